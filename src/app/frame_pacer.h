// FramePacer: keeps frames at least a given time apart by sleeping, so a show
// in a host's window does not burn the processor drawing frames nobody needs.
// The time between frames is measured from one frame's start to the next;
// a frame that ran late is not made up for by hurrying the ones after it.
//
// Full screen the display's refresh paces the frames (the swap waits for
// it), unless the driver does not honour that: software GL, remote desktops.
// A pacer with an unsynced cap watches the first frames and takes on the cap
// when they come faster than any display refreshes, so that a show left on
// all night does not keep a core flat out.
#pragma once

#include <chrono>
#include <cstdint>

class FramePacer {
public:
    using Clock = std::chrono::steady_clock;

    // `delayUs` microseconds between frame starts; 0: no limit, never sleeps.
    // `unsyncedCapUs` (with delay 0): the delay taken on when the frames turn
    // out not to be paced by the display; 0: none.
    explicit FramePacer(uint32_t delayUs, uint32_t unsyncedCapUs = 0);

    // Called before each frame: sleeps until the frame may start.
    void waitForNextFrame();

    // The time the frame asking at `now` may start (not before `now`); what
    // waitForNextFrame sleeps until. Tests hand in the times.
    Clock::time_point frameStart(Clock::time_point now);

    // The delay in force, in microseconds: 0 while unpaced.
    uint32_t delayUs() const { return static_cast<uint32_t>(delay.count()); }

private:
    std::chrono::microseconds delay;
    Clock::time_point nextStart;  // epoch: the first frame starts at once
    // The unsynced-cap watch: frames counted from the first, the start of
    // the first measured one, and the cap still to decide on (0 once decided).
    uint32_t framesSeen = 0;
    Clock::time_point measureStart;
    std::chrono::microseconds pendingCap;
};
