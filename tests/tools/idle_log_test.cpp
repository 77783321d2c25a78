// The idle watcher's log: lines stamped with their time, the last one read
// back, no way through a link, and a size that stays bounded without cutting
// off a descriptor that still writes to it (the watcher's stderr).
#include "common/idle_log.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "common/temp_dir.h"
#include "support/environment_value.h"

namespace {

std::string fileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::time_t localTime(int hour, int minute) {
    std::tm local{};
    local.tm_year = 126, local.tm_mday = 5, local.tm_hour = hour, local.tm_min = minute, local.tm_isdst = -1;
    return std::mktime(&local);
}


}  // namespace

TEST(IdleLog, ThePathFollowsXdgStateHome) {
    const Value saved[] = {get("XDG_STATE_HOME"), get("HOME")};
    const struct {
        Value state, home;
        std::string path;
    } cases[] = {{"/state", "/home/a", "/state/amber-bell/idle.log"},
                 {std::nullopt, "/home/a", "/home/a/.local/state/amber-bell/idle.log"},
                 {"relative", "/home/a", "/home/a/.local/state/amber-bell/idle.log"},
                 {std::nullopt, std::nullopt, ""}};
    for (const auto& c : cases) {
        put("XDG_STATE_HOME", c.state);
        put("HOME", c.home);
        EXPECT_EQ(idleLogPath(), c.path);
    }
    put("XDG_STATE_HOME", saved[0]);
    put("HOME", saved[1]);
}

TEST(IdleLog, LinesAreStampedAndTheLastIsReadBack) {
    TempDir dir;
    const std::string path = dir.path() + "/state/amber-bell/idle.log";
    appendIdleLog(path, "watching through X11", localTime(9, 5));
    appendIdleLog(path, "no show: the session is locked", localTime(14, 5));
    EXPECT_EQ(fileText(path), "09:05: watching through X11\n14:05: no show: the session is locked\n");
    struct stat file, folder;
    ASSERT_EQ(stat(path.c_str(), &file), 0);
    ASSERT_EQ(stat((dir.path() + "/state/amber-bell").c_str(), &folder), 0);
    EXPECT_EQ(file.st_mode & 0777, 0600u);
    EXPECT_EQ(folder.st_mode & 0777, 0700u);

    const struct {
        std::string text, last;
    } cases[] = {{"", ""},          {"a\nb\n", "b"},         {"a\nb", "b"},
                 {"a\n\n \n", "a"}, {"a\r\nb\r\n", "b"},      {std::string(2 * idleLogTailBytes, 'x') + "\nlast\n", "last"}};
    for (const auto& c : cases) {
        std::ofstream(path, std::ios::trunc | std::ios::binary) << c.text;
        EXPECT_EQ(lastIdleLogLine(path), c.last) << c.text.substr(0, 20);
    }
    EXPECT_EQ(lastIdleLogLine(dir.path() + "/missing.log"), "");
}

TEST(IdleLog, ALinkInItsPlaceIsNeitherReadNorWritten) {
    TempDir dir;
    const std::string target = dir.path() + "/elsewhere", link = dir.path() + "/idle.log";
    std::ofstream(target) << "someone else's\n";
    std::filesystem::create_symlink(target, link);
    appendIdleLog(link, "a line", localTime(12, 0));
    EXPECT_EQ(fileText(target), "someone else's\n");
    EXPECT_EQ(lastIdleLogLine(link), "");
}

TEST(IdleLog, StaysBoundedAndKeepsWritersAttached) {
    TempDir dir;
    const std::string path = dir.path() + "/idle.log";
    const int stderrOfWatcher = openIdleLog(path);
    ASSERT_GE(stderrOfWatcher, 0);
    const std::string filler(90, '.');
    for (int i = 0; i < 3 * static_cast<int>(maxIdleLogBytes / 100); ++i) {
        appendIdleLog(path, "line " + std::to_string(i) + filler, localTime(12, 0));
        ASSERT_LE(std::filesystem::file_size(path), maxIdleLogBytes + 200) << "after line " << i;
    }
    const std::string text = fileText(path);
    EXPECT_EQ(text.rfind("12:00: line ", 0), 0u) << "the kept half starts with a whole line";
    // The descriptor opened before the trims still writes into the log.
    const std::string said = "amber-bell-idle: said on stderr\n";
    ASSERT_EQ(write(stderrOfWatcher, said.data(), said.size()), static_cast<ssize_t>(said.size()));
    close(stderrOfWatcher);
    EXPECT_EQ(lastIdleLogLine(path), "amber-bell-idle: said on stderr");
}
