#include <string>
#include <vector>

#include "app/headless_driver.h"
#include "content/analog_clock.h"
#include "content/digital_clock.h"
#include "scene/behaviours.h"
#include "support/show_test.h"

namespace {

class ClockTest : public ShowTest {
protected:
    static Settings clockOnly(bool analog, bool twentyFour) {
        Settings settings;
        settings.showCalendar = 0;
        settings.analogClock = analog ? 1 : 0;
        settings.clock24Hour = twentyFour ? 1 : 0;
        return settings;
    }
    static SceneNode& clockOf(HeadlessDriver& driver) { return *driver.show().overlayRoot->children[0]; }

    // What each digit position shows: its glyph entries, newest last.
    static std::vector<std::string> glyphsAt(const SceneNode& position) {
        std::vector<std::string> entries;
        for (const SceneNode* glyph : position.children) {
            if (!glyph->closing) entries.push_back(glyph->subMeshCount ? modelEntryOf(*glyph) : "blank");
        }
        return entries;
    }
};

TEST_F(ClockTest, AnalogChildrenAndHandAngles) {
    struct Case {
        int h, m, s;
        double sec, min, hour;
    };
    for (const Case& c : {Case{0, 0, 0, 0, 0, 0}, Case{12, 0, 0, 0, 0, -360}, Case{23, 59, 30, -180, -354, -719},
                          Case{13, 30, 15, -90, -180, -405}, Case{8, 1, 60, -360, -6, -240}}) {
        setTime(2026, 1, 1, c.h, c.m, c.s);
        HeadlessDriver driver(clockOnly(true, false), 64, 64);
        driver.step(16);
        driver.step(16);
        SceneNode& clock = clockOf(driver);
        ASSERT_EQ(clock.children.size(), 4u);
        const char* entries[4] = {"ciferblat", "sec", "min", "chas"};
        const double angles[4] = {0, c.sec, c.min, c.hour};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(modelEntryOf(*clock.children[i]), entries[i]);
            EXPECT_EQ(clock.children[i]->hooks.size(), 1u);
            EXPECT_EQ(clock.children[i]->controllers.offset.rotation[2], angles[i])
                << entries[i] << " at " << c.h << ":" << c.m << ":" << c.s;
        }
        EXPECT_EQ(clock.children[0]->controllers.calls.size(), 0u);
        // The build moved the clock node by (-9.3, 9, 0) once, and is gone.
        EXPECT_TRUE(clock.controllers.calls.empty());
    }
}

TEST_F(ClockTest, TwentyFourHourGlyphs) {
    struct Case {
        int h, m;
        const char* shown[4];
    };
    for (const Case& c : {Case{0, 5, {"0", "0", "0", "5"}}, Case{5, 7, {nullptr, "5", "0", "7"}},
                          Case{10, 0, {"1", "0", "0", "0"}}, Case{23, 59, {"2", "3", "5", "9"}}}) {
        std::tm time{};
        time.tm_hour = c.h;
        time.tm_min = c.m;
        const int32_t codes[4] = {1, 2, 3, 4};
        for (int i = 0; i < 4; ++i) {
            const DigitGlyph glyph = digitGlyph(codes[i], time);
            EXPECT_TRUE(glyph.valid);
            EXPECT_EQ(glyph.entry ? std::string(glyph.entry) : "blank",
                      c.shown[i] ? std::string(c.shown[i]) : "blank")
                << c.h << ":" << c.m << " position " << codes[i];
        }
    }
}

TEST_F(ClockTest, TwelveHourGlyphs) {
    struct Case {
        int h, m;
        const char* shown[5];
    };
    for (const Case& c : {Case{0, 30, {"1", "2", "3", "0", "am"}}, Case{11, 59, {"1", "1", "5", "9", "am"}},
                          Case{12, 0, {"1", "2", "0", "0", "pm"}}, Case{13, 5, {nullptr, "1", "0", "5", "pm"}},
                          Case{22, 10, {"1", "0", "1", "0", "pm"}}}) {
        std::tm time{};
        time.tm_hour = c.h;
        time.tm_min = c.m;
        const int32_t codes[5] = {6, 7, 3, 4, 8};
        for (int i = 0; i < 5; ++i) {
            const DigitGlyph glyph = digitGlyph(codes[i], time);
            EXPECT_EQ(glyph.entry ? std::string(glyph.entry) : "blank",
                      c.shown[i] ? std::string(c.shown[i]) : "blank")
                << c.h << ":" << c.m << " position " << codes[i];
            EXPECT_EQ(glyph.watchCode, codes[i] >= 6 ? 1 : codes[i]);
        }
    }
}

TEST_F(ClockTest, ColonBlinksAndUnknownCodesDoNothing) {
    std::tm time{};
    for (int second : {0, 1, 2, 59, 60}) {
        time.tm_sec = second;
        const DigitGlyph colon = digitGlyph(5, time);
        EXPECT_EQ(colon.entry != nullptr, second % 2 == 1) << second;
        EXPECT_EQ(colon.field, second);
    }
    EXPECT_FALSE(digitGlyph(0, time).valid);
    EXPECT_FALSE(digitGlyph(9, time).valid);
}

TEST_F(ClockTest, DigitalLayoutInBothForms) {
    for (bool twentyFour : {false, true}) {
        setTime(2026, 3, 4, 13, 5, 7);
        HeadlessDriver driver(clockOnly(false, twentyFour), 64, 64);
        driver.step(16);
        SceneNode& clock = clockOf(driver);
        const std::vector<double> xs = twentyFour
            ? std::vector<double>{-6.483, -2.498, 0, 2.523, 6.466}
            : std::vector<double>{11.432, -6.483, -2.498, 0, 2.523, 6.466};
        ASSERT_EQ(clock.children.size(), xs.size() + 1);
        EXPECT_EQ(modelEntryOf(*clock.children[0]), twentyFour ? "podlozka" : "podlozka_am");
        for (size_t i = 0; i < xs.size(); ++i) {
            EXPECT_EQ(clock.children[i + 1]->transform.translation[0], xs[i]);
            EXPECT_EQ(clock.children[i + 1]->children.size(), 1u) << "one glyph per position";
        }
        // 13:05:07 in both forms.
        const std::vector<std::vector<std::string>> shown = twentyFour
            ? std::vector<std::vector<std::string>>{{"1"}, {"3"}, {"dot"}, {"0"}, {"5"}}
            : std::vector<std::vector<std::string>>{{"pm"}, {"blank"}, {"1"}, {"dot"}, {"0"}, {"5"}};
        for (size_t i = 0; i < shown.size(); ++i) EXPECT_EQ(glyphsAt(*clock.children[i + 1]), shown[i]) << i;
    }
}

TEST_F(ClockTest, GlyphsAreReplacedWhenTheirFieldChanges) {
    setTime(2026, 3, 4, 10, 59, 59);
    HeadlessDriver driver(clockOnly(false, true), 64, 64);
    driver.step(16);
    driver.step(16);
    SceneNode& clock = clockOf(driver);
    SceneNode& hourUnits = *clock.children[2];
    SceneNode& colon = *clock.children[3];
    SceneNode& minuteUnits = *clock.children[5];
    SceneNode* oldHour = hourUnits.children[0];

    setTime(2026, 3, 4, 11, 0, 0);
    driver.step(16);
    // The changing frame draws the outgoing glyph and the incoming one.
    ASSERT_EQ(hourUnits.children.size(), 2u);
    EXPECT_EQ(hourUnits.children[0], oldHour);
    EXPECT_TRUE(oldHour->closed);
    EXPECT_EQ(modelEntryOf(*hourUnits.children[1]), "1");
    EXPECT_EQ(minuteUnits.children.size(), 2u);
    EXPECT_EQ(glyphsAt(colon), std::vector<std::string>{"blank"});

    driver.step(16);
    for (size_t i = 1; i < clock.children.size(); ++i) {
        EXPECT_EQ(clock.children[i]->children.size(), 1u) << "position " << i;
    }
    EXPECT_EQ(glyphsAt(minuteUnits), std::vector<std::string>{"0"});

    // A clock jump that keeps the hour keeps the hour glyphs.
    SceneNode* keptHour = hourUnits.children[0];
    setTime(2026, 3, 4, 11, 0, 1);
    driver.step(16);
    EXPECT_EQ(hourUnits.children.size(), 1u);
    EXPECT_EQ(hourUnits.children[0], keptHour);
}

}  // namespace
