// Ten minutes of show time with every overlay, at 16 ms frames, with a
// one-hour stall in the middle: the show comes back to the band of small
// hearts and nodes it held before the stall, and every package and texture
// use is given back after the shutdown phase. Runs
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

size_t nodesBelow(const SceneNode& node) {
    size_t n = node.children.size();
    for (const SceneNode* child : node.children) n += nodesBelow(*child);
    return n;
}

// What one stretch of frames saw: the least and most small hearts and nodes.
struct Band {
    size_t leastHearts = SIZE_MAX, mostHearts = 0;
    size_t leastNodes = SIZE_MAX, mostNodes = 0;
    void sample(HeadlessDriver& driver) {
        const size_t hearts = smallHearts(driver);
        const size_t nodes = nodesBelow(*driver.show().worldRoot) + nodesBelow(*driver.show().overlayRoot);
        leastHearts = std::min(leastHearts, hearts);
        mostHearts = std::max(mostHearts, hearts);
        leastNodes = std::min(leastNodes, nodes);
        mostNodes = std::max(mostNodes, nodes);
    }
};

constexpr uint32_t minute = 60000;
constexpr uint32_t frameMs = 16;

// Runs `span` ms of show time in 16 ms frames, the local time in step with
// the show time; samples into `steady` after the first `settle` ms.
void run(HeadlessDriver& driver, uint32_t span, uint32_t settle, Band& steady) {
    const uint32_t end = driver.ticks() + span;
    const uint32_t from = driver.ticks() + settle;
    while (driver.ticks() < end) {
        setShowClock((driver.ticks() + frameMs) / 1000);
        driver.step(frameMs);
        if (driver.ticks() > from) steady.sample(driver);
    }
}

TEST_F(ShowSoak, TenMinutesWithAStallStayBoundedAndGiveEverythingBack) {
    Settings settings;
    settings.showFrameCounter = settings.showClock = settings.largeClock = 1;
    settings.showCalendar = settings.russianCalendar = 1;
    setShowClock(0);
    HeadlessDriver driver(settings, 96, 72);

    // Five minutes, the small hearts in their steady band from the second on.
    Band before;
    run(driver, 5 * minute, 1 * minute, before);
    EXPECT_GE(before.leastHearts, 520u);
    EXPECT_LE(before.mostHearts, 540u);

    // A machine resumed after an hour: one frame spawns at most the cap.
    constexpr uint32_t stall = 3600 * 1000;
    const size_t heartsBefore = smallHearts(driver);
    setShowClock((driver.ticks() + stall) / 1000);
    driver.step(stall);
    EXPECT_LE(smallHearts(driver), heartsBefore + heartSpawnCap);

    // Five more minutes of show time after the stall: within two minutes the
    // show is back in the band it held before, and stays there.
    Band after;
    run(driver, 5 * minute, 2 * minute, after);
    EXPECT_GE(after.leastHearts, before.leastHearts - 5);
    EXPECT_LE(after.mostHearts, before.mostHearts + 5);
    EXPECT_GE(after.leastNodes, before.leastNodes - 10);
    EXPECT_LE(after.mostNodes, before.mostNodes + 10);
    EXPECT_GE(driver.ticks(), 10 * minute + stall);

    driver.finish();
    EXPECT_EQ(textureCache.openPackageCount(), 0u);
    EXPECT_EQ(proceduralTextures.textureCount(), 0u);
}

}  // namespace
