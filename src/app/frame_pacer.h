// FramePacer: keeps frames at least a given time apart by sleeping, so a show
// in a host's window does not burn the processor drawing frames nobody needs.
// The time between frames is measured from one frame's start to the next;
// a frame that ran late is not made up for by hurrying the ones after it.
#pragma once

#include <chrono>
#include <cstdint>

class FramePacer {
public:
    // `delayUs` microseconds between frame starts; 0: no limit, never sleeps.
    explicit FramePacer(uint32_t delayUs);

    // Called before each frame: sleeps until the frame may start.
    void waitForNextFrame();

private:
    std::chrono::microseconds delay;
    std::chrono::steady_clock::time_point nextStart;  // epoch: the first frame starts at once
};
