// HeadlessDriver: the show on the GL context current on this thread (an
// offscreen EGL context in tests and tools), with the tick count in the
// caller's hands. Start-up, frames and shutdown are the render mode's own
// (show.h); only the window, the events and the clock are left out.
//
//   HeadlessDriver show(settings, 1024, 768);   // start-up at tick 0
//   show.frameAt(40); show.step(16);            // frames at chosen ticks
//   int frames = show.finish();                 // shutdown phase, then tear-down
#pragma once

#include <cstdint>

#include "app/show.h"
#include "settings/settings.h"

class HeadlessDriver {
public:
    // The display adopts the current context at width x height.
    HeadlessDriver(const Settings& settings, int32_t width, int32_t height);
    ~HeadlessDriver();  // tears down what is still up
    HeadlessDriver(const HeadlessDriver&) = delete;
    HeadlessDriver& operator=(const HeadlessDriver&) = delete;

    // One frame at `ticks` milliseconds since start-up.
    void frameAt(uint32_t ticks);
    // One frame `milliseconds` after the last one.
    void step(uint32_t milliseconds) { frameAt(ticks_ + milliseconds); }
    uint32_t ticks() const { return ticks_; }

    // Begins the shutdown phase and draws frames `stepMs` apart until both
    // roots are closed (at most `maxFrames`), then tears down. Returns the
    // number of frames the shutdown phase took.
    int finish(uint32_t stepMs = 16, int maxFrames = 1000);

    Show& show() { return show_; }
    bool tornDown() const { return show_.display == nullptr; }

private:
    Show show_;
    uint32_t ticks_ = 0;
};
