// The settings form both dialogs draw, without a display: every option is
// shown by its own controls and taken back from them, the greying follows the
// choices above, the resolution row shown, and one mnemonic per control; the
// idle watcher's warning when the desktop's own timer comes first.
#include "settings_form.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>
#include <string>
#include <vector>

#include "settings/settings_options.h"

namespace {

bool isFlag(int option) {
    return settingsOptions[option].kind == SettingsOptionKind::Flag;
}

// What a dialog hands back when it showed `shown` and the user changed
// nothing, taken into `into`.
Settings takenBack(const Settings& shown, Settings into) {
    for (const FormItem& item : settingsForm) {
        if (item.flag) takeFormToggle(item, formToggleOn(item, shown), into);
    }
    return into;
}

TEST(SettingsForm, EveryFlagIsShownAndTakenBackByItsOwnControls) {
    for (int option = 0; option < settingsOptionCount; ++option) {
        if (!isFlag(option)) continue;
        // The option one way, every other flag the other, taken into a record
        // holding the opposite of each: a control showing the wrong flag, or
        // a radio button standing for the wrong value, comes back wrong.
        for (int32_t value : {0, 1}) {
            Settings shown, opposite;
            for (int other = 0; other < settingsOptionCount; ++other) {
                if (!isFlag(other)) continue;
                const int32_t set = other == option ? value : 1 - value;
                setSettingsOptionValue(shown, other, set);
                setSettingsOptionValue(opposite, other, 1 - set);
            }
            const Settings taken = takenBack(shown, opposite);
            for (int other = 0; other < settingsOptionCount; ++other) {
                EXPECT_EQ(settingsOptionValue(taken, other), settingsOptionValue(shown, other))
                    << settingsOptions[other].name << " with " << settingsOptions[option].name << "=" << value;
            }
        }
        int named = 0;
        for (const FormItem& item : settingsForm) {
            named += item.name && item.name == std::string(settingsOptions[option].name);
        }
        EXPECT_EQ(named, 1) << "controls named " << settingsOptions[option].name;
    }
    // Any non-zero byte is set, and the dialog writes it back as 1.
    Settings stored;
    for (int option = 0; option < settingsOptionCount; ++option) {
        if (isFlag(option)) setSettingsOptionValue(stored, option, 7);
    }
    const Settings taken = takenBack(stored, Settings());
    for (int option = 0; option < settingsOptionCount; ++option) {
        if (!isFlag(option)) continue;
        EXPECT_EQ(settingsOptionValue(taken, option), 1) << settingsOptions[option].name;
    }
}

TEST(SettingsForm, ChoicesAreGreyedWithoutTheOneAbove) {
    const std::set<FormItemId> clockChoices = {formAnalog, formDigital, formHours24, formLarge, formSmall};
    struct Case {
        uint8_t clock, analog, calendar;
        std::set<FormItemId> greyed;
    };
    const Case cases[] = {
        {1, 0, 1, {}},
        {1, 1, 1, {formHours24}},  // an analog clock has no 24-hour form
        {0, 0, 1, clockChoices},
        {1, 0, 0, {formRussian}},
        {0, 1, 0, {formAnalog, formDigital, formHours24, formLarge, formSmall, formRussian}},
    };
    for (const Case& c : cases) {
        Settings shown;
        shown.showClock = c.clock;
        shown.analogClock = c.analog;
        shown.showCalendar = c.calendar;
        for (const FormItem& item : settingsForm) {
            EXPECT_EQ(formItemEnabled(item.id, shown), c.greyed.count(item.id) == 0)
                << item.label << " with clock " << int(c.clock) << ", analog " << int(c.analog)
                << ", calendar " << int(c.calendar);
        }
    }
}

TEST(SettingsForm, AnIndexOutsideTheTableShowsTheDesktopRow) {
    const int32_t cases[][2] = {{0, 0}, {3, 3}, {resolutionRowCount - 1, resolutionRowCount - 1},
                                {resolutionRowCount, 0}, {-1, 0}, {1000, 0}};
    for (const auto& c : cases) EXPECT_EQ(shownResolutionRow(c[0]), c[1]) << c[0];
}

TEST(SettingsForm, EveryControlHasItsOwnMnemonic) {
    std::set<char> letters;
    std::vector<std::string> labels = {idleFixLabel(4), desktopFixLabel(15)};
    for (const FormItem& item : settingsForm) {
        EXPECT_EQ(settingsForm[item.id].id, item.id) << "the table is in the order of its ids";
        if (item.kind != FormKind::group && item.kind != FormKind::choice) labels.push_back(item.label);
    }
    for (const std::string& label : labels) {
        const size_t mark = label.find('&');
        ASSERT_NE(mark, std::string::npos) << label;
        ASSERT_LT(mark + 1, label.size()) << label;
        EXPECT_EQ(label.find('&', mark + 1), std::string::npos) << label;
        EXPECT_TRUE(letters.insert(std::tolower(static_cast<unsigned char>(label[mark + 1]))).second)
            << "mnemonic of " << label << " used twice";
    }
    EXPECT_EQ(mnemonicLabel(settingsForm[formClock].label, '_'), "Show c_lock");
}

TEST(SettingsForm, TheIdleWarningSaysWhenTheDesktopHidesTheScreenFirst) {
    const DesktopTimers gnome{DesktopKind::gnome, 300, "blanks the screen"};
    const DesktopTimers plasma{DesktopKind::plasma, 90, "locks the screen"};
    const struct {
        IdleChoice choice;
        DesktopTimers desktop;
        std::string text;
        int idleMinutes;  // the fix
        bool settable;
    } cases[] = {
        {{true, 10}, gnome, "GNOME blanks the screen after 5 minutes, before Amber Bell's 10: the show would never be seen.",
         4, true},
        {{true, 5}, gnome,
         "GNOME blanks the screen after 5 minutes, just as Amber Bell's 5 run out: the show would never be seen.", 4,
         true},
        {{true, 4}, gnome, "", 0, false},
        {{false, 10}, gnome, "", 0, false},
        {{true, 600}, DesktopTimers{}, "", 0, false},
        {{true, 2}, plasma,
         "KDE Plasma locks the screen after 90 seconds, before Amber Bell's 2: the show would never be seen.", 1, false},
        {{true, 1}, plasma, "", 0, false},
        {{true, 1}, {DesktopKind::xfce, 60, "turns the screen off"},
         "Xfce turns the screen off after 1 minute, just as Amber Bell's 1 run out: the show would never be seen.", 1,
         false},
    };
    for (const auto& c : cases) {
        const IdleWarning warning = idleWarning(c.choice, c.desktop);
        EXPECT_EQ(warning.text, c.text);
        if (c.text.empty()) continue;
        EXPECT_EQ(warning.idleMinutes, c.idleMinutes) << c.text;
        EXPECT_EQ(warning.desktopSettable, c.settable) << c.text;
        // What cannot be changed from here is said where it is changed.
        EXPECT_EQ(warning.changeHint.empty(), c.settable) << c.text;
    }
}

TEST(SettingsForm, TheIdleSwitchStartsUnderTheDesktopsTime) {
    const struct {
        IdleChoice choice;
        uint32_t desktopSeconds;
        int minutes;
    } cases[] = {
        {{false, 10}, 300, 4}, {{false, 10}, 30, 1}, {{false, 10}, 1800, 10},
        {{false, 10}, 0, 10},  {{true, 10}, 300, 10},  // the user's own choice stays
    };
    for (const auto& c : cases) {
        const DesktopTimers desktop{DesktopKind::gnome, c.desktopSeconds, "blanks the screen"};
        EXPECT_EQ(startingIdleMinutes(c.choice, desktop), c.minutes) << c.choice.on << " " << c.desktopSeconds;
    }
}

}  // namespace
