#include "wall_clock.h"

#include <cstdio>

namespace {

// Days since 1970-01-01 of a proleptic Gregorian date (month 1..12).
int64_t daysFromCivil(int64_t y, int64_t m, int64_t d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const int64_t yoe = y - era * 400;
    const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(int64_t z, int64_t& y, int64_t& m, int64_t& d) {
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int64_t doe = z - era * 146097;
    const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const int64_t mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = yoe + era * 400 + (m <= 2);
}

bool validDate(int32_t y, int32_t m, int32_t d) {
    if (m < 1 || m > 12 || d < 1) return false;
    int64_t yy, mm, dd;
    civilFromDays(daysFromCivil(y, m, d), yy, mm, dd);
    return yy == y && mm == m && dd == d;
}

}  // namespace

bool parseWallClock(const std::string& text, WallClock& clock) {
    WallClock c = clock;
    char separator = 0, tail = 0;
    int n = std::sscanf(text.c_str(), "%d-%d-%d%c%d:%d:%d%c", &c.year, &c.month, &c.day, &separator,
                        &c.hour, &c.minute, &c.second, &tail);
    if (n != 7 || (separator != ' ' && separator != 'T')) {
        c = clock;
        n = std::sscanf(text.c_str(), "%d:%d:%d%c", &c.hour, &c.minute, &c.second, &tail);
        if (n != 3) return false;
    }
    if (!validDate(c.year, c.month, c.day) || c.hour < 0 || c.hour > 23 || c.minute < 0 ||
        c.minute > 59 || c.second < 0 || c.second > 59) {
        return false;
    }
    clock = c;
    return true;
}

std::tm wallClockAfter(const WallClock& start, int64_t seconds) {
    const int64_t total = daysFromCivil(start.year, start.month, start.day) * 86400 +
                          start.hour * 3600 + start.minute * 60 + start.second + seconds;
    int64_t days = total / 86400, rest = total % 86400;
    if (rest < 0) rest += 86400, --days;
    int64_t y, m, d;
    civilFromDays(days, y, m, d);
    std::tm out{};
    out.tm_year = static_cast<int>(y - 1900);
    out.tm_mon = static_cast<int>(m - 1);
    out.tm_mday = static_cast<int>(d);
    out.tm_hour = static_cast<int>(rest / 3600);
    out.tm_min = static_cast<int>(rest / 60 % 60);
    out.tm_sec = static_cast<int>(rest % 60);
    out.tm_wday = static_cast<int>(((days % 7) + 11) % 7);  // 1970-01-01 was a Thursday
    out.tm_yday = static_cast<int>(days - daysFromCivil(y, 1, 1));
    return out;
}
