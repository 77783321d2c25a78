#include "app/headless_driver.h"

#include <memory>

#include "scene/frame_ticks.h"
#include "video/display.h"

HeadlessDriver::HeadlessDriver(const Settings& settings, int32_t width, int32_t height) {
    frameTicks = 0;  // nodes made at start-up stamp the display's first tick
    startShow(show_, std::make_unique<Settings>(settings),
              Display::onCurrentContext(width, height));
}

HeadlessDriver::~HeadlessDriver() {
    if (!tornDown()) tearDownShow(show_);
}

void HeadlessDriver::frameAt(uint32_t ticks) {
    ticks_ = ticks;
    drawFrame(show_, ticks, nullptr);
}

int HeadlessDriver::finish(uint32_t stepMs, int maxFrames) {
    beginShutdown(show_);
    int frames = 0;
    while (!showFinished(show_) && frames < maxFrames) {
        step(stepMs);
        ++frames;
    }
    tearDownShow(show_);
    return frames;
}
