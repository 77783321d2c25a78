#include "content/month_grid.h"

#include "scene/local_time.h"

namespace {

bool isLeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

void fill(MonthGrid& grid, const std::tm& date, int32_t cells[monthGridCells], bool mondayFirst) {
    int32_t first = firstWeekday(date);
    const int32_t days = daysInMonth(date);
    grid.year = date.tm_year + 1900;
    grid.month = date.tm_mon;
    grid.dayOfMonth = date.tm_mday;
    // Monday-first: Sunday moves to the last column, every day one column left.
    if (mondayFirst && first == 0) first = 7;
    const int32_t start = mondayFirst ? first - 1 : first;
    for (int32_t i = 0; i < monthGridCells; ++i) {
        cells[i] = i >= start && i < start + days ? i - start + 1 : 0;
    }
}

}  // namespace

int32_t weekdayOf(const std::tm& date) {
    const int32_t month0 = date.tm_mon;
    const int32_t a = (13 - month0) / 12;
    const int32_t y = date.tm_year + 1900 - a;
    const int32_t m = month0 + 1 + 12 * a - 2;
    return (date.tm_mday + y + y / 4 - y / 100 + y / 400 + (31 * m) / 12 + 7000) % 7;
}

int32_t firstWeekday(const std::tm& date) {
    std::tm first = date;
    first.tm_mday = 1;
    return weekdayOf(first);
}

int32_t daysInMonth(const std::tm& date) {
    static const int32_t days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int32_t month = date.tm_mon < 0 || date.tm_mon > 11 ? 0 : date.tm_mon;
    if (month == 1 && isLeapYear(date.tm_year + 1900)) return 29;
    return days[month];
}

void MonthGrid::fillSundayFirst(const std::tm& date, int32_t cells[monthGridCells]) {
    fill(*this, date, cells, false);
}

void MonthGrid::fillMondayFirst(const std::tm& date, int32_t cells[monthGridCells]) {
    fill(*this, date, cells, true);
}

void MonthGrid::fillSundayFirst(int32_t cells[monthGridCells]) {
    fillSundayFirst(localTimeNow(), cells);
}

void MonthGrid::fillMondayFirst(int32_t cells[monthGridCells]) {
    fillMondayFirst(localTimeNow(), cells);
}
