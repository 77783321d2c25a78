#include "app/show_status.h"

#include <string>

#include "app/headless_driver.h"
#include "support/show_test.h"

namespace {

class ShowStatusTest : public ShowTest {};

// The value of `key=` in a status line.
std::string field(const std::string& line, const std::string& key) {
    const size_t at = line.find(" " + key + "=");
    if (at == std::string::npos) return "";
    const size_t from = at + key.size() + 2;
    const size_t to = line.find(key == "time" ? " clock=" : " ", from);
    return line.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TEST_F(ShowStatusTest, TellsWhatTheShowHoldsAndWhatItShows) {
    Settings settings;
    settings.clock24Hour = 1;
    settings.showFrameCounter = 1;
    setTime(2026, 12, 7, 22, 47, 10);
    HeadlessDriver driver(settings, 64, 48);
    for (int i = 0; i < 30; ++i) driver.step(16);

    const std::string line = showStatus(driver.show());
    EXPECT_EQ(line.rfind("status ", 0), 0u) << line;
    EXPECT_EQ(field(line, "frames"), "30");
    EXPECT_EQ(field(line, "ticks"), "480");  // the 30th frame, 16 ms apart
    EXPECT_EQ(field(line, "time"), "2026-12-07 22:47:10");
    EXPECT_EQ(field(line, "clock"), "22:47");
    EXPECT_EQ(field(line, "calendar-day"), "7");
    EXPECT_EQ(field(line, "packages"), "4");
    EXPECT_EQ(field(line, "overlays"), "3");  // calendar, clock, frame counter
    const int hearts = std::stoi(field(line, "hearts"));
    const int nodes = std::stoi(field(line, "nodes"));
    EXPECT_GT(hearts, 0);
    EXPECT_GT(nodes, hearts);
    EXPECT_GT(std::stoi(field(line, "package-uses")), nodes / 2);

    // The next day: the clock and the page follow the local time.
    setTime(2026, 12, 8, 0, 1, 0);
    driver.step(16);
    driver.step(16);
    const std::string later = showStatus(driver.show());
    EXPECT_EQ(field(later, "clock"), "00:01");
    EXPECT_EQ(field(later, "calendar-day"), "8");
}

TEST_F(ShowStatusTest, OverlaysThatAreOffReadMinusOne) {
    Settings settings;
    settings.showClock = 0;
    settings.showCalendar = 0;
    HeadlessDriver driver(settings, 64, 48);
    driver.step(16);
    const std::string line = showStatus(driver.show());
    EXPECT_EQ(field(line, "clock"), "-1:-1");
    EXPECT_EQ(field(line, "calendar-day"), "-1");
    EXPECT_EQ(field(line, "overlays"), "0");
}

}  // namespace
