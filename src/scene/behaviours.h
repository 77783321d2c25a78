// Generic behaviours: BoundCall callbacks shared by the whole show. Each reads
// its record through `currentCall` (t = `time` in active milliseconds, `type`,
// `a`, `b`, `c`) and its node through `currentNode`; the int32 argument is
// ignored.
//
//   behaviourExpire     closes the node once t > a (milliseconds)
//   behaviourOscillate  offset += a * sin(t * b / 1000 + c) along axis `type`
//                       (a units, b radians per second, c radians)
//   behaviourDrift      offset += t * a / 1000 along axis `type` (a units/s)
//   behaviourSpin       offset rotation += t * a / 1000 + b degrees about axis
//                       `type` (a degrees per second, b start angle)
//   behaviourClockHand  offset rotation = (0, 0, angle) from the local time:
//                       type 1 -6 * seconds, 2 -6 * minutes,
//                       3 -30 * hours - minutes / 2 (whole degrees)
//
// Axes: 0 X, 1 Y, 2 Z; any other `type` does nothing (clock hand: 1..3).
// The offset is zeroed every update, so several behaviours on a node add up.
#pragma once

#include <cstdint>

void behaviourExpire(int32_t value);
void behaviourOscillate(int32_t value);
void behaviourDrift(int32_t value);
void behaviourSpin(int32_t value);
void behaviourClockHand(int32_t value);
