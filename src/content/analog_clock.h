// The analog clock: a one-shot build (on the clock node) of the dial
// "ciferblat" and the hands "sec", "min" and "chas" from "clock.pak", each
// drawn over the scene without depth test, the hands turned every frame by
// behaviourClockHand from the local time. The models carry the dial centre at
// their origin; hands point up at angle 0.
#pragma once

#include <cstdint>

void behaviourBuildAnalogClock(int32_t value);
