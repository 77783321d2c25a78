// Ten minutes of show time with every overlay, at 16 ms frames, with a
// one-hour stall in the middle: the number of small hearts stays bounded and
// every package and texture use is given back after the shutdown phase. Runs
// under LeakSanitizer in the sanitizer build.
#include <algorithm>
#include <ctime>

#include "app/headless_driver.h"
#include "content/heart.h"
#include "package/texture_cache.h"
#include "proctex/procedural_texture_registry.h"
#include "support/show_test.h"

namespace {

class ShowSoak : public ShowTest {};

// Local time `seconds` after 2026-02-28 23:55:00, so the show crosses a
// midnight and a month end.
void setShowClock(long seconds) {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 1;
    time.tm_mday = 28;
    time.tm_hour = 23;
    time.tm_min = 55;
    time.tm_sec = static_cast<int>(seconds);
    time.tm_isdst = -1;
    std::mktime(&time);  // normalises the fields
    setFixedLocalTime(&time);
}

size_t smallHearts(HeadlessDriver& driver) {
    return driver.show().worldRoot->children[1]->children[0]->children.size();
}

TEST_F(ShowSoak, TenMinutesWithAStallStayBoundedAndGiveEverythingBack) {
    Settings settings;
    settings.showFrameCounter = settings.showClock = settings.largeClock = 1;
    settings.showCalendar = settings.russianCalendar = 1;
    setShowClock(0);
    HeadlessDriver driver(settings, 96, 72);
    size_t most = 0;
    size_t steadyLeast = SIZE_MAX, steadyMost = 0;
    constexpr uint32_t minute = 60000;
    while (driver.ticks() < 10 * minute) {
        if (driver.ticks() >= 5 * minute && driver.ticks() < 5 * minute + 16) {
            const size_t before = smallHearts(driver);
            driver.step(3600 * 1000);  // a machine resumed after an hour
            EXPECT_LE(smallHearts(driver), before + heartSpawnCap);
        }
        driver.step(16);
        setShowClock(driver.ticks() / 1000);
        most = std::max(most, smallHearts(driver));
        const uint32_t t = driver.ticks();
        if ((t > 1 * minute && t < 4 * minute) || t > 5 * minute + 3600 * 1000 + minute) {
            steadyLeast = std::min(steadyLeast, smallHearts(driver));
            steadyMost = std::max(steadyMost, smallHearts(driver));
        }
    }
    EXPECT_LE(most, 2u * heartSpawnCap + 1);
    EXPECT_GE(steadyLeast, 520u);
    EXPECT_LE(steadyMost, 540u);

    driver.finish();
    EXPECT_EQ(textureCache.openPackageCount(), 0u);
    EXPECT_EQ(proceduralTextures.textureCount(), 0u);
}

}  // namespace
