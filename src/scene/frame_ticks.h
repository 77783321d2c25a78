// frameTicks: milliseconds since the display was made, sampled once at the
// start of every frame; 0 before the first frame. The one clock the scene
// reads: tests and offscreen tools set it directly to step a show.
#pragma once

#include <cstdint>

extern uint32_t frameTicks;
