// The idle watcher's decisions, driven with times of the test's own; and the
// pieces it shares with the settings program: durations and the autostart
// entry.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "common/idle_autostart.h"
#include "common/temp_dir.h"
#include "duration.h"
#include "watcher.h"

namespace {

struct Session {
    std::string refusal;
    bool startFails = false;
    const char* daemon = nullptr;
    int starts = 0, ends = 0;
    std::vector<std::string> lines;
    Watcher watcher{{[this] { return refusal; }, [this] { return daemon; },
                     [this] { return !startFails && ++starts > 0; }, [this] { ++ends; },
                     [this](const std::string& line) { lines.push_back(line); }}};
};

constexpr uint64_t minute = 60 * 1000;

}  // namespace

TEST(IdleWatcher, StartsOnlyWhenNothingStandsInTheWay) {
    const struct {
        const char* refusal;
        const char* daemon;
        int starts;
    } cases[] = {{"", nullptr, 1}, {"the session is locked", nullptr, 0}, {"a program asks", nullptr, 0},
                 {"", "XScreenSaver", 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.refusal);
        Session s;
        s.refusal = c.refusal, s.daemon = c.daemon;
        s.watcher.idle(0);
        s.watcher.idle(30000);  // asked again while the refusal stands: said once
        EXPECT_EQ(s.starts, c.starts);
        EXPECT_EQ(s.lines.size(), c.starts == 0 ? 1u : 0u);
        if (*c.refusal) {
            EXPECT_EQ(s.lines.at(0), std::string("no show: ") + c.refusal);
        }
        // The refusal goes while the user stays away: the session's word starts it.
        s.refusal.clear();
        s.watcher.changed(40000);
        EXPECT_EQ(s.starts, c.daemon ? 0 : 1);
    }
}

// Nobody can see the show (a lock, sleep, the displays off): it ends, and the
// next one waits for the user to come back and go idle again.
TEST(IdleWatcher, AShowNobodyCanSeeEnds) {
    Session s;
    s.watcher.idle(0);
    s.watcher.hidden(1000, "the session was locked");
    s.watcher.hidden(1100, "the screen was blanked");
    EXPECT_EQ(s.ends, 1);
    ASSERT_EQ(s.lines.size(), 1u);
    EXPECT_EQ(s.lines[0], "the show ended: the session was locked");
    s.watcher.showEnded(1200, false);
    s.watcher.changed(2000);
    s.watcher.idle(3000);
    EXPECT_EQ(s.starts, 1);
    s.watcher.active(4000);
    s.watcher.idle(5000);
    EXPECT_EQ(s.starts, 2);
    s.watcher.showEnded(6000, false);  // ended by itself (Escape): hidden did not end it
    s.watcher.hidden(6100, "the session was locked");
    EXPECT_EQ(s.ends, 1);
}

TEST(IdleWatcher, ActivityEndsTheShowAndAFailingShowIsHeldOff) {
    Session s;
    s.watcher.idle(0);
    s.watcher.active(5000);
    s.watcher.active(5100);  // asked once
    EXPECT_EQ(s.ends, 1);
    s.watcher.showEnded(5200, true);  // our SIGTERM, whatever the status says
    EXPECT_EQ(s.watcher.holdOffUntilMs(), 0u);

    // Failing at once: held off a minute, then two, never started meanwhile.
    uint64_t now = 10 * minute;
    for (uint64_t holdOff : {1 * minute, 2 * minute, 4 * minute}) {
        s.watcher.idle(now);
        ASSERT_TRUE(s.watcher.showRunning());
        s.watcher.showEnded(now + 1000, true);
        EXPECT_EQ(s.watcher.holdOffUntilMs(), now + 1000 + holdOff);
        const int starts = s.starts;
        s.watcher.active(now + 2000);
        s.watcher.idle(now + 3000);
        EXPECT_EQ(s.starts, starts);
        now += holdOff + 2000;
    }
    // A show that ran a while and failed, or ended well, clears the count.
    s.watcher.active(now);
    s.watcher.idle(now);
    s.watcher.showEnded(now + 2 * minute, true);
    s.watcher.active(now + 3 * minute);
    s.watcher.idle(now + 3 * minute);
    s.watcher.showEnded(now + 3 * minute + 10, true);
    EXPECT_EQ(s.watcher.holdOffUntilMs(), now + 3 * minute + 10 + minute);
}

TEST(IdleWatcher, Durations) {
    EXPECT_EQ(parseDuration("90s"), 90000u);
    EXPECT_EQ(parseDuration("10m"), 600000u);
    EXPECT_EQ(parseDuration("1h"), 3600000u);
    EXPECT_EQ(parseDuration("45"), 45000u);
    for (const char* bad : {"", "0s", "25h", "10x", "m", "-5s", "1.5m", "9999999s"}) {
        EXPECT_FALSE(parseDuration(bad)) << bad;
    }
}

// The entry written is read back; one the desktop hid, or with a bad value,
// reads as off or as the default; off removes it.
TEST(IdleWatcher, AutostartEntry) {
    TempDir dir;
    const std::string path = dir.path() + "/autostart/amber-bell-idle.desktop";
    std::string error;
    EXPECT_FALSE(readIdleChoice(path).on);
    ASSERT_TRUE(writeIdleChoice(path, {true, 25}, "/opt/Amber Bell/idle", error)) << error;
    EXPECT_EQ(readIdleChoice(path).minutes, 25);
    std::ifstream in(path);
    const std::string entry((std::istreambuf_iterator<char>(in)), {});
    EXPECT_NE(entry.find("\nExec=\"/opt/Amber Bell/idle\"\n"), std::string::npos) << entry;
    for (const char* line : {"Hidden=true", "X-Amber-Bell-Idle-Minutes=0", "X-Amber-Bell-Idle-Minutes=7x"}) {
        std::ofstream(path) << "[Desktop Entry]\n" << line << '\n';
        const IdleChoice choice = readIdleChoice(path);
        EXPECT_EQ(choice.on, std::string(line) != "Hidden=true") << line;
        EXPECT_EQ(choice.minutes, defaultIdleMinutes) << line;
    }
    ASSERT_TRUE(writeIdleChoice(path, {false, 10}, "", error)) << error;
    EXPECT_FALSE(std::ifstream(path).good());
}
