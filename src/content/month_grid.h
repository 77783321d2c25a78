// MonthGrid: the month page's day numbers — 42 cells, 7 columns by 6 rows,
// 0 for an empty cell — and the date they were filled for.
//
// Sunday-first puts the first of the month under its weekday (0 = Sunday);
// Monday-first shifts every weekday one column left, Sunday last. Leap years
// follow the Gregorian rule (2000 and 2400 are leap years, 2100 is not).
#pragma once

#include <cstdint>
#include <ctime>

constexpr int32_t monthGridCells = 42;

struct MonthGrid {
    int32_t year = 0;        // four digits
    int32_t dayOfMonth = 0;  // 1..31
    int32_t month = 0;       // 0 = January .. 11 = December

    // Fill from the local time (local_time.h) into `cells`.
    void fillSundayFirst(int32_t cells[monthGridCells]);
    void fillMondayFirst(int32_t cells[monthGridCells]);
    // The same for a given date.
    void fillSundayFirst(const std::tm& date, int32_t cells[monthGridCells]);
    void fillMondayFirst(const std::tm& date, int32_t cells[monthGridCells]);
};

// 0 = Sunday .. 6 = Saturday, from tm_year, tm_mon and tm_mday.
int32_t weekdayOf(const std::tm& date);
// Weekday of the first day of the date's month.
int32_t firstWeekday(const std::tm& date);
// Days of the date's month.
int32_t daysInMonth(const std::tm& date);
