// The local time of day, as every clock and calendar of the show reads it.
// By default the C library's time() and localtime(); tests and the snapshot
// tool fix it to one broken-down time through setFixedLocalTime.
#pragma once

#include <ctime>

// The current broken-down local time (or the fixed one).
std::tm localTimeNow();

// Fixes the local time to `fixed` (copied); nullptr returns to the real clock.
void setFixedLocalTime(const std::tm* fixed);
