#include "app/run_mode.h"

#include <gtest/gtest.h>

namespace {

RunMode modeOf(const std::string& commandLine) {
    return chooseRunMode(commandLine).mode;
}

TEST(RunMode, SecondCharacterSStartsTheRenderer) {
    for (const char* line : {"/s", "/S", "-s", "/sc", "/s 1234", "   /S", "xs", "-S:99"}) {
        EXPECT_EQ(modeOf(line), RunMode::StartRenderer) << '"' << line << '"';
    }
}

TEST(RunMode, SecondCharacterCConfigures) {
    for (const char* line : {"/c", "/C", "/c:2554", "/C 2554", "-c", "\t/c"}) {
        EXPECT_EQ(modeOf(line), RunMode::Configure) << '"' << line << '"';
    }
}

TEST(RunMode, ExactSlashPWithNumberIsThePreview) {
    const RunChoice lower = chooseRunMode("/p 2554");
    EXPECT_EQ(lower.mode, RunMode::Preview);
    EXPECT_TRUE(lower.hasWindowNumber);
    EXPECT_EQ(lower.windowNumber, 2554);

    const RunChoice upper = chooseRunMode("/P 2554");
    EXPECT_EQ(upper.mode, RunMode::Preview);
    EXPECT_EQ(upper.windowNumber, 2554);

    const RunChoice negative = chooseRunMode("/p -17");
    EXPECT_EQ(negative.mode, RunMode::Preview);
    EXPECT_EQ(negative.windowNumber, static_cast<uint32_t>(-17));

    // Windows writes handles unsigned: 2^31 and above are windows too.
    EXPECT_EQ(chooseRunMode("/p 3000000000").windowNumber, 3000000000u);
    EXPECT_EQ(chooseRunMode("/p 4294967295").windowNumber, 4294967295u);
}

TEST(RunMode, PreviewWithoutNumberHasNoWindow) {
    for (const char* line : {"/p", "/p abc", "/p 99999999999", "/p 4294967296", "/p -2147483649"}) {
        const RunChoice choice = chooseRunMode(line);
        EXPECT_EQ(choice.mode, RunMode::Preview) << line;
        EXPECT_FALSE(choice.hasWindowNumber) << line;
    }
}

TEST(RunMode, AnythingElseRenders) {
    for (const char* line : {"", "/", "x", "/a 12", "/p:2554", "/pp 2554", "-p 5", "   ",
                             "-root", "-window-id 0x400005", "--window-id 12"}) {
        EXPECT_EQ(modeOf(line), RunMode::Render) << '"' << line << '"';
        // The screensaver file itself configures only when it has no words.
        const bool noWords = std::string(line).find_first_not_of(" \t") == std::string::npos;
        EXPECT_EQ(chooseRunMode(line, true).mode, noWords ? RunMode::Configure : RunMode::Render)
            << '"' << line << '"';
    }
}

// The renderer started by /s sees only the words of its own path behind the
// first blank when the platform hands the path over as its command line.
TEST(RunMode, RendererFileNameSelectsRenderMode) {
    EXPECT_EQ(modeOf("Bell.exe"), RunMode::Render);
}

// X11 hosts put their options first: there only the exact switch words choose
// a mode, whatever the second letter of an option.
TEST(RunMode, ExactWordRuleTakesOnlyTheSwitchWords) {
    using enum RunMode;
    const std::pair<const char*, RunMode> cases[] = {
        {"/s", StartRenderer}, {"-S", StartRenderer}, {"/s 12", StartRenderer}, {"/c", Configure},
        {"-c", Configure}, {"/C:2554", Configure}, {"-c 2554", Configure}, {"/p 2554", Preview},
        {"-clock analog -root", Render}, {"--clock-size far", Render}, {"-sync", Render}, {"/sc", Render},
        {"xs", Render}, {"", Render}};
    for (const auto& [line, mode] : cases) {
        EXPECT_EQ(chooseRunMode(line, false, SwitchRule::ExactWord).mode, mode) << '"' << line << '"';
    }
    EXPECT_EQ(chooseRunMode("-clock analog", false, SwitchRule::SecondCharacter).mode, Configure);
}

TEST(RunMode, HelpAndVersionAnywhereUnderEitherRule) {
    for (SwitchRule rule : {SwitchRule::SecondCharacter, SwitchRule::ExactWord}) {
        for (const char* line : {"--help", "-h", "-clock analog -help", "/s --help", "--help --version"}) {
            EXPECT_EQ(chooseRunMode(line, true, rule).mode, RunMode::Help) << line;
        }
        EXPECT_EQ(chooseRunMode("-root --version", true, rule).mode, RunMode::Version);
        EXPECT_EQ(chooseRunMode("--helpful", false, rule).mode, RunMode::Render);
    }
}

TEST(RunMode, NumberIsReadForEveryModeButOnlyAfterTheWord) {
    const RunChoice choice = chooseRunMode("/s 42");
    EXPECT_EQ(choice.mode, RunMode::StartRenderer);
    EXPECT_TRUE(choice.hasWindowNumber);
    EXPECT_EQ(choice.windowNumber, 42);
    EXPECT_FALSE(chooseRunMode("/s").hasWindowNumber);
}

}  // namespace
