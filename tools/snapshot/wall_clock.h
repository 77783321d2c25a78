// The local time the snapshot shows: a wall-clock reading given on the
// command line, advanced by the show time, without the machine's time zone
// (so a snapshot looks the same everywhere).
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

struct WallClock {
    int32_t year = 2026, month = 2, day = 14;  // month 1..12
    int32_t hour = 10, minute = 8, second = 36;
};

// "YYYY-MM-DD HH:MM:SS" (or with a T between date and time, or "HH:MM:SS"
// alone, which keeps the date). False for anything else or an impossible date.
bool parseWallClock(const std::string& text, WallClock& clock);

// The broken-down time `seconds` after `start` (tm_wday, tm_yday filled,
// tm_isdst 0), as localTimeNow would give it.
std::tm wallClockAfter(const WallClock& start, int64_t seconds);
