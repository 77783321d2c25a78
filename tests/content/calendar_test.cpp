#include <chrono>
#include <string>

#include "app/headless_driver.h"
#include "content/calendar.h"
#include "content/month_grid.h"
#include "support/show_test.h"

namespace {
class CalendarTest : public ShowTest {
protected:
    static Settings calendarOnly(bool russian) {
        Settings settings;
        settings.showClock = 0;
        settings.russianCalendar = russian ? 1 : 0;
        return settings;
    }
    static SceneNode& gridOf(HeadlessDriver& driver) {
        return *driver.show().overlayRoot->children[0]->children[1];
    }
};

TEST_F(CalendarTest, PageLayoutInBothLayouts) {
    for (bool russian : {false, true}) {
        setTime(2026, 3, 18, 12, 0, 0);
        HeadlessDriver driver(calendarOnly(russian), 64, 64);
        driver.step(16);
        SceneNode& calendar = *driver.show().overlayRoot->children[0];
        ASSERT_EQ(calendar.children.size(), 2u);
        EXPECT_EQ(modelEntryOf(*calendar.children[0]), russian ? "fon_rus" : "fon");
        EXPECT_EQ(calendar.children[0]->transform.translation[0], -16);
        EXPECT_EQ(calendar.children[0]->transform.translation[1], -12);
        SceneNode& grid = *calendar.children[1];
        ASSERT_EQ(grid.children.size(), 1u);
        SceneNode& page = *grid.children[0];
        ASSERT_EQ(page.children.size(), 2u + 42u + 1u);  // header, month, marker, cells
        EXPECT_EQ(modelEntryOf(*page.children[0]), russian ? "day_rus" : "day");
        EXPECT_EQ(modelEntryOf(*page.children[1]), "m3");
        EXPECT_EQ(page.children[1]->transform.translation[1], 16);
        // March 2026 starts on Sunday: day 1 in cell 0 or 6; the 18th is
        // marked, the marker right before its number.
        const int day1Cell = russian ? 6 : 0;
        const int cell18 = day1Cell + 17;
        size_t index = 2;
        for (int i = 0; i < 42; ++i, ++index) {
            if (i == cell18) {
                EXPECT_EQ(modelEntryOf(*page.children[index]), "sel");
                ++index;
            }
            const int number = i >= day1Cell && i < day1Cell + 31 ? i - day1Cell + 1 : 0;
            const SceneNode& cell = *page.children[index];
            EXPECT_EQ(modelEntryOf(cell), number ? std::to_string(number) : "null") << "cell " << i;
            EXPECT_EQ(cell.transform.translation[0], (i % 7 - 5) * 8.0);
            EXPECT_EQ(cell.transform.translation[1], -(i / 7) * 8.0);
        }
    }
}

TEST_F(CalendarTest, PageIsReplacedWhenTheDayChanges) {
    setTime(2026, 1, 31, 23, 59, 59);
    HeadlessDriver driver(calendarOnly(false), 64, 64);
    driver.step(16);
    SceneNode& grid = gridOf(driver);
    SceneNode* january = grid.children[0];

    setTime(2026, 2, 1, 0, 0, 0);  // midnight and month end
    driver.step(16);
    ASSERT_EQ(grid.children.size(), 2u);
    EXPECT_TRUE(january->closing);
    SceneNode* february = grid.children[1];
    EXPECT_EQ(modelEntryOf(*february->children[1]), "m2");
    EXPECT_EQ(modelEntryOf(*february->children[2]), "sel");  // Feb 1 2026 is a Sunday: cell 0

    for (int i = 0; i < 6; ++i) driver.step(16);
    ASSERT_EQ(grid.children.size(), 1u);
    EXPECT_EQ(grid.children[0], february);

    // A jump that keeps the day of the month keeps the page.
    setTime(2026, 3, 1, 9, 0, 0);
    driver.step(16);
    driver.step(16);
    ASSERT_EQ(grid.children.size(), 1u);
    EXPECT_EQ(grid.children[0], february);
}

}  // namespace
