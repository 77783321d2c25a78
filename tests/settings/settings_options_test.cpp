#include "settings/settings_options.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsOptions, NamesAreTheRecordFieldsAndMatchIgnoringCase) {
    const char* names[] = {"showFrameCounter", "showClock",       "analogClock",
                           "clock24Hour",      "largeClock",      "showCalendar",
                           "russianCalendar",  "exitOnMouseMove", "resolutionIndex"};
    for (int i = 0; i < settingsOptionCount; ++i) {
        EXPECT_STREQ(settingsOptions[i].name, names[i]);
        EXPECT_EQ(findSettingsOption(names[i]), i);
    }
    EXPECT_EQ(findSettingsOption("SHOWCLOCK"), 1);
    EXPECT_EQ(findSettingsOption("showclock"), 1);
    EXPECT_EQ(findSettingsOption("showClocks"), -1);
    EXPECT_EQ(findSettingsOption(""), -1);
}

// Setting each option through its name changes that field and no other.
TEST(SettingsOptions, EachAssignmentChangesExactlyItsField) {
    for (int i = 0; i < settingsOptionCount; ++i) {
        Settings settings;
        const Settings before = settings;
        const bool flag = settingsOptions[i].kind == SettingsOptionKind::Flag;
        const int32_t newValue = flag ? 1 - settingsOptionValue(settings, i) : 9;
        std::string error;
        ASSERT_TRUE(applySettingsAssignments(
            settings, {std::string(settingsOptions[i].name) + "=" + std::to_string(newValue)}, error))
            << error;
        for (int j = 0; j < settingsOptionCount; ++j) {
            EXPECT_EQ(settingsOptionValue(settings, j),
                      j == i ? newValue : settingsOptionValue(before, j))
                << settingsOptions[i].name << " changed " << settingsOptions[j].name;
        }
    }
}

TEST(SettingsOptions, FlagWordsAndTheirSpelling) {
    const int clock = findSettingsOption("showClock");
    for (const char* on : {"1", "on", "ON", "true", "Yes", " 1 "}) {
        int32_t value = -1;
        std::string error;
        EXPECT_TRUE(parseSettingsOptionValue(clock, on, value, error)) << on;
        EXPECT_EQ(value, 1) << on;
    }
    for (const char* off : {"0", "off", "False", "no"}) {
        int32_t value = -1;
        std::string error;
        EXPECT_TRUE(parseSettingsOptionValue(clock, off, value, error)) << off;
        EXPECT_EQ(value, 0) << off;
    }
    for (const char* bad : {"", "2", "-1", "01x", "onn", "y"}) {
        int32_t value = -1;
        std::string error;
        EXPECT_FALSE(parseSettingsOptionValue(clock, bad, value, error)) << bad;
        EXPECT_NE(error.find("showClock"), std::string::npos);
    }
}

TEST(SettingsOptions, ResolutionByRowSizeOrDesktop) {
    const int resolution = findSettingsOption("resolutionIndex");
    struct Case {
        const char* text;
        int32_t row;
    } good[] = {{"0", 0}, {"9", 9}, {"desktop", 0}, {"1024x768", 3}, {"1280X800", 5},
                {"1280 x 1024", 7}, {"640x480", 1}};
    for (const Case& c : good) {
        int32_t value = -1;
        std::string error;
        EXPECT_TRUE(parseSettingsOptionValue(resolution, c.text, value, error)) << c.text;
        EXPECT_EQ(value, c.row) << c.text;
    }
    for (const char* bad : {"10", "-1", "0x0", "1024x", "x768", "1024x769", "99999999999", "big"}) {
        int32_t value = -1;
        std::string error;
        EXPECT_FALSE(parseSettingsOptionValue(resolution, bad, value, error)) << bad;
        EXPECT_FALSE(error.empty());
    }
}

TEST(SettingsOptions, AssignmentsAreAllOrNothing) {
    Settings settings;
    std::string error;
    EXPECT_FALSE(applySettingsAssignments(settings, {"showClock=0", "resolutionIndex=12"}, error));
    EXPECT_NE(error.find("resolutionIndex"), std::string::npos);
    EXPECT_EQ(settings.showClock, 1);

    for (const char* bad : {"showClock", "=1", "colour=1", "showClock:0"}) {
        error.clear();
        EXPECT_FALSE(applySettingsAssignments(settings, {"largeClock=0", bad}, error)) << bad;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(settings.largeClock, 1);
    }

    EXPECT_TRUE(applySettingsAssignments(settings, {"showClock=0", "resolutionIndex=3",
                                                    "showClock = 1"}, error));
    EXPECT_EQ(settings.showClock, 1);  // the later assignment wins
    EXPECT_EQ(settings.resolutionIndex, 3);
}

TEST(SettingsOptions, FormatShowsEveryOptionOnceAndParsesBack) {
    Settings settings;
    settings.analogClock = 7;          // any non-zero byte is set
    settings.resolutionIndex = 12;     // outside the table: shown as stored
    const std::string text = formatSettings(settings);
    EXPECT_EQ(text,
              "showFrameCounter=0\nshowClock=1\nanalogClock=1\nclock24Hour=0\nlargeClock=1\n"
              "showCalendar=1\nrussianCalendar=0\nexitOnMouseMove=0\nresolutionIndex=12\n");

    Settings changed;
    changed.showFrameCounter = 1;
    changed.resolutionIndex = 4;
    std::vector<std::string> lines;
    const std::string formatted = formatSettings(changed);
    for (size_t start = 0, end; (end = formatted.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(formatted.substr(start, end - start));
    }
    Settings parsed;
    std::string error;
    ASSERT_TRUE(applySettingsAssignments(parsed, lines, error)) << error;
    EXPECT_EQ(formatSettings(parsed), formatted);
}

TEST(SettingsOptions, ResolutionRowTexts) {
    EXPECT_EQ(resolutionRowText(0, 1600, 1200), "Desktop size (1600 x 1200)");
    EXPECT_EQ(resolutionRowText(0), "Desktop size");
    EXPECT_EQ(resolutionRowText(12, 800, 600), "Desktop size (800 x 600)");
    EXPECT_EQ(resolutionRowText(3), "1024 x 768");
    EXPECT_EQ(resolutionRowText(9), "1600 x 1200");
}

}  // namespace
