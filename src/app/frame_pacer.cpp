#include "app/frame_pacer.h"

#include <thread>

namespace {

// The first frames upload textures and are slow: measured after them.
constexpr uint32_t warmUpFrames = 10;
constexpr uint32_t measuredFrames = 60;
// Frames closer than this on average are faster than displays usually
// refresh (90 Hz): the swaps do not wait for the display.
constexpr std::chrono::microseconds syncedFrameTime{11111};

}  // namespace

FramePacer::FramePacer(uint32_t delayUs, uint32_t unsyncedCapUs)
    : delay(delayUs), pendingCap(delayUs == 0 ? unsyncedCapUs : 0) {}

void FramePacer::waitForNextFrame() {
    if (delay.count() == 0 && pendingCap.count() == 0) return;
    const Clock::time_point start = frameStart(Clock::now());
    if (start > Clock::now()) std::this_thread::sleep_until(start);
}

FramePacer::Clock::time_point FramePacer::frameStart(Clock::time_point now) {
    if (pendingCap.count() != 0) {
        ++framesSeen;
        if (framesSeen == warmUpFrames) measureStart = now;
        if (framesSeen == warmUpFrames + measuredFrames) {
            if (now - measureStart < syncedFrameTime * measuredFrames) delay = pendingCap;
            pendingCap = std::chrono::microseconds(0);
        }
    }
    if (delay.count() == 0) return now;
    const Clock::time_point start = now < nextStart ? nextStart : now;
    nextStart = start + delay;
    return start;
}
