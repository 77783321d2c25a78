#include "app/registry_value.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "common/temp_dir.h"

namespace {

const char* const settingsKey = "Software\\lumivera\\Amber Bell\\Settings";

class RegistryValueTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("AMBER_BELL_SYSCONFDIR", root.path().c_str(), 1); }
    void TearDown() override { unsetenv("AMBER_BELL_SYSCONFDIR"); }

    void storePath(const std::string& content) {
        root.write("lumivera/Amber Bell/Settings/Path", content);
    }

    TempDir root;
};

TEST_F(RegistryValueTest, ReadsTheStoredTextAndFormsPaths) {
    storePath("/opt/saver/\n");
    RegistryValue value(settingsKey, "Path", "/fallback/");
    EXPECT_TRUE(value.hasValue());
    EXPECT_EQ(value.valueText(), "/opt/saver/");
    EXPECT_EQ(value.pathOf("main.pak"), "/opt/saver/main.pak");
    EXPECT_EQ(value.pathOf("Amber Bell"), "/opt/saver/Amber Bell");
}

TEST_F(RegistryValueTest, MissingValueUsesTheFallback) {
    RegistryValue missingKey("Software\\nobody\\here", "Path", "/fallback/");
    EXPECT_FALSE(missingKey.hasValue());
    EXPECT_EQ(missingKey.pathOf("utils.pak"), "/fallback/utils.pak");

    storePath("/opt/saver/");
    RegistryValue missingValue(settingsKey, "Other", "/fallback/");
    EXPECT_FALSE(missingValue.hasValue());
    EXPECT_EQ(missingValue.valueText(), "/fallback/");
}

TEST_F(RegistryValueTest, TextStopsAtTheFirstNul) {
    storePath(std::string("/a/\0/b/", 7));
    RegistryValue value(settingsKey, "Path");
    EXPECT_EQ(value.valueText(), "/a/");
}

TEST_F(RegistryValueTest, LaunchRunsTheProgramInItsOwnFolderWithoutArguments) {
    TempDir install;
    const std::string record = install.path() + "/record";
    install.write("Tool", "#!/bin/sh\necho \"$#:$(pwd)\" > '" + record + "'\n");
    chmod((install.path() + "/Tool").c_str(), 0755);
    storePath(install.path() + "/");

    RegistryValue value(settingsKey, "Path");
    EXPECT_TRUE(value.launchProgram("Tool.exe", true));
    std::ifstream in(record);
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "0:" + install.path());
}

TEST_F(RegistryValueTest, LaunchOfAMissingProgramFails) {
    TempDir install;
    storePath(install.path() + "/");
    RegistryValue value(settingsKey, "Path");
    EXPECT_FALSE(value.launchProgram("config.exe", true));
}

}  // namespace
