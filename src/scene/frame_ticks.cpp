#include "scene/frame_ticks.h"

uint32_t frameTicks = 0;
