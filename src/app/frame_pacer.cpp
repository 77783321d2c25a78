#include "app/frame_pacer.h"

#include <thread>

FramePacer::FramePacer(uint32_t delayUs) : delay(delayUs) {}

void FramePacer::waitForNextFrame() {
    if (delay.count() == 0) return;
    auto now = std::chrono::steady_clock::now();
    if (now < nextStart) {
        std::this_thread::sleep_until(nextStart);
        now = std::chrono::steady_clock::now();
    }
    nextStart = now + delay;
}
