// The month page's day numbers, against the civil calendar.
#include "content/month_grid.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

std::tm date(int year, int month, int day) {
    std::tm d{};
    d.tm_year = year - 1900;
    d.tm_mon = month - 1;
    d.tm_mday = day;
    return d;
}

// Index of the cell that holds day 1.
int firstCell(const int32_t cells[monthGridCells]) {
    for (int i = 0; i < monthGridCells; ++i) {
        if (cells[i] == 1) return i;
    }
    return -1;
}

TEST(MonthGrid, WeekdayAgreesWithTheCivilCalendarFrom1970To2400) {
    using namespace std::chrono;
    for (int y = 1970; y <= 2400; ++y) {
        for (unsigned m = 1; m <= 12; ++m) {
            for (unsigned d : {1u, 13u, 28u}) {
                const weekday expected{sys_days{year{y} / month{m} / day{d}}};
                ASSERT_EQ(static_cast<unsigned>(weekdayOf(date(y, static_cast<int>(m), static_cast<int>(d)))),
                          expected.c_encoding())
                    << y << "-" << m << "-" << d;
            }
        }
        ASSERT_EQ(daysInMonth(date(y, 2, 1)),
                  static_cast<int>(static_cast<unsigned>((year{y} / February / last).day())))
            << y;
    }
}

TEST(MonthGrid, FebruaryFollowsTheGregorianLeapRule) {
    EXPECT_EQ(daysInMonth(date(2023, 2, 10)), 28);
    EXPECT_EQ(daysInMonth(date(2024, 2, 10)), 29);
    EXPECT_EQ(daysInMonth(date(2100, 2, 10)), 28);
    EXPECT_EQ(daysInMonth(date(2000, 2, 10)), 29);
    EXPECT_EQ(daysInMonth(date(2026, 4, 1)), 30);
    EXPECT_EQ(daysInMonth(date(2026, 12, 1)), 31);
}

TEST(MonthGrid, MonthsStartingOnSundayAndMondayInBothLayouts) {
    int32_t cells[monthGridCells];
    MonthGrid grid;
    // March 2026 begins on a Sunday.
    grid.fillSundayFirst(date(2026, 3, 18), cells);
    EXPECT_EQ(firstCell(cells), 0);
    EXPECT_EQ(grid.year, 2026);
    EXPECT_EQ(grid.month, 2);
    EXPECT_EQ(grid.dayOfMonth, 18);
    grid.fillMondayFirst(date(2026, 3, 18), cells);
    EXPECT_EQ(firstCell(cells), 6);
    EXPECT_EQ(cells[36], 31);
    // June 2026 begins on a Monday.
    grid.fillSundayFirst(date(2026, 6, 1), cells);
    EXPECT_EQ(firstCell(cells), 1);
    grid.fillMondayFirst(date(2026, 6, 1), cells);
    EXPECT_EQ(firstCell(cells), 0);
}

TEST(MonthGrid, ThirtyOneDaysFromSaturdayNeedTheSixthRow) {
    int32_t cells[monthGridCells];
    MonthGrid grid;
    grid.fillSundayFirst(date(2026, 8, 9), cells);  // August 2026 begins on a Saturday
    for (int i = 0; i < monthGridCells; ++i) {
        EXPECT_EQ(cells[i], i >= 6 && i <= 36 ? i - 5 : 0) << "cell " << i;
    }
}

TEST(MonthGrid, FebruaryFromTheFirstColumnFillsFourRows) {
    int32_t cells[monthGridCells];
    MonthGrid grid;
    grid.fillSundayFirst(date(2026, 2, 1), cells);  // Sunday, 28 days
    for (int i = 0; i < monthGridCells; ++i) EXPECT_EQ(cells[i], i < 28 ? i + 1 : 0);
}

}  // namespace
