#include "settings/show_choices.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool same(const Settings& a, const Settings& b) {
    return a.showFrameCounter == b.showFrameCounter && a.showClock == b.showClock &&
           a.analogClock == b.analogClock && a.clock24Hour == b.clock24Hour && a.largeClock == b.largeClock &&
           a.showCalendar == b.showCalendar && a.russianCalendar == b.russianCalendar &&
           a.exitOnMouseMove == b.exitOnMouseMove && a.resolutionIndex == b.resolutionIndex;
}

Settings applied(std::initializer_list<std::pair<const char*, const char*>> choices) {
    Settings settings;
    std::string error;
    for (const auto& [name, value] : choices) {
        EXPECT_TRUE(applyShowChoice(settings, name, value, error)) << name << "=" << value << ": " << error;
    }
    return settings;
}

}  // namespace

TEST(ShowChoices, EachWordSetsTheFlagsBehindIt) {
    EXPECT_EQ(applied({{"fps", "on"}}).showFrameCounter, 1);
    EXPECT_EQ(applied({{"fps", "on"}, {"fps", "off"}}).showFrameCounter, 0);

    const Settings analog = applied({{"clock", "analog"}});
    EXPECT_EQ(analog.showClock, 1);
    EXPECT_EQ(analog.analogClock, 1);
    const Settings digital24 = applied({{"clock", "analog"}, {"clock", "digital24"}});
    EXPECT_EQ(digital24.analogClock, 0);
    EXPECT_EQ(digital24.clock24Hour, 1);
    const Settings digital12 = applied({{"clock", "digital24"}, {"clock", "digital12"}});
    EXPECT_EQ(digital12.showClock, 1);
    EXPECT_EQ(digital12.clock24Hour, 0);
    // Off keeps the kind for when the clock comes back.
    const Settings off = applied({{"clock", "analog"}, {"clock", "off"}});
    EXPECT_EQ(off.showClock, 0);
    EXPECT_EQ(off.analogClock, 1);

    EXPECT_EQ(applied({{"clock-size", "far"}}).largeClock, 0);
    EXPECT_EQ(applied({{"clock-size", "far"}, {"clock-size", "near"}}).largeClock, 1);

    const Settings russian = applied({{"calendar", "russian"}});
    EXPECT_EQ(russian.showCalendar, 1);
    EXPECT_EQ(russian.russianCalendar, 1);
    const Settings hidden = applied({{"calendar", "russian"}, {"calendar", "off"}});
    EXPECT_EQ(hidden.showCalendar, 0);
    EXPECT_EQ(hidden.russianCalendar, 1);
    EXPECT_EQ(applied({{"calendar", "russian"}, {"calendar", "default"}}).russianCalendar, 0);

    // None of them touches the mouse flag or the screen mode.
    const Settings all = applied({{"fps", "on"}, {"clock", "analog"}, {"clock-size", "far"}, {"calendar", "off"}});
    EXPECT_EQ(all.exitOnMouseMove, Settings().exitOnMouseMove);
    EXPECT_EQ(all.resolutionIndex, Settings().resolutionIndex);
}

TEST(ShowChoices, WrongNamesAndValuesChangeNothingAndSaySo) {
    const Settings before;
    for (const auto& [name, value] : {std::pair{"clock", "digital"}, {"clock", ""}, {"clock", "analogue"},
                                      {"fps", "1"}, {"calendar", "off|default"}, {"colour", "red"},
                                      {"clock-size", "large"}}) {
        Settings settings;
        std::string error;
        EXPECT_FALSE(applyShowChoice(settings, name, value, error)) << name << "=" << value;
        EXPECT_TRUE(same(settings, before)) << name << "=" << value;
        EXPECT_NE(error.find(name), std::string::npos) << error;
    }
    EXPECT_EQ(showChoiceValues("calendar"), "off|default|russian");
    EXPECT_TRUE(showChoiceValues("delay").empty());
}
