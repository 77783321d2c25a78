// The frame counter: every 5000 ms of running time, the frames counted since
// the last display divided by 5 (the frames per second) appear as up to three
// digit models "0".."9" from "utils.pak" beside the label, right-aligned
// (units at x 3.3, tens at 1.9 from 10 fps, hundreds at 0.5 from 100 fps;
// thousands are not shown). Each set of digits closes itself after 5000 ms,
// about when the next set appears. After a stall of more than 5000 ms the
// timer catches up in one display and the counting goes on normally.
#pragma once

#include <cstdint>

// Calls of behaviourFrameCounter since the last display.
extern int32_t frameCount;

void behaviourFrameCounter(int32_t value);
