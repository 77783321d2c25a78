#include "settings_form.h"

#include <algorithm>

const FormItem settingsForm[formItemCount] = {
    {formClockGroup, FormKind::group, "Clock"},
    {formClock, FormKind::checkBox, "Show c&lock", "showClock", &Settings::showClock},
    {formAnalog, FormKind::radioButton, "&Analog", "analogClock", &Settings::analogClock, 1},
    {formDigital, FormKind::radioButton, "&Digital", "digitalClock", &Settings::analogClock, 0},
    {formHours24, FormKind::checkBox, "&24-hour time", "clock24Hour", &Settings::clock24Hour},
    {formLarge, FormKind::radioButton, "Lar&ge", "largeClock", &Settings::largeClock, 1},
    {formSmall, FormKind::radioButton, "&Small", "smallClock", &Settings::largeClock, 0},
    {formCalendarGroup, FormKind::group, "Calendar"},
    {formCalendar, FormKind::checkBox, "Show cal&endar", "showCalendar", &Settings::showCalendar},
    {formRussian, FormKind::checkBox, "R&ussian layout (weeks start on Monday)", "russianCalendar",
     &Settings::russianCalendar},
    {formFrameCounter, FormKind::checkBox, "Show &frame counter", "showFrameCounter", &Settings::showFrameCounter},
    {formExitOnMouse, FormKind::checkBox, "E&xit when the mouse moves", "exitOnMouseMove",
     &Settings::exitOnMouseMove},
    {formResolutionLabel, FormKind::label, "&Resolution:"},
    {formResolution, FormKind::choice, nullptr, "resolutionIndex"},
    {formOk, FormKind::button, "&OK"},
    {formCancel, FormKind::button, "&Cancel"},
};

bool formToggleOn(const FormItem& item, const Settings& settings) {
    return (settings.*item.flag != 0) == (item.flagValue != 0);
}

void takeFormToggle(const FormItem& item, bool on, Settings& settings) {
    if (item.kind == FormKind::checkBox) {
        settings.*item.flag = on ? 1 : 0;
    } else if (on) {
        settings.*item.flag = item.flagValue;
    }
}

bool formItemEnabled(FormItemId id, const Settings& shown) {
    switch (id) {
    case formAnalog:
    case formDigital:
    case formLarge:
    case formSmall:
        return shown.showClock != 0;
    case formHours24:
        return shown.showClock != 0 && shown.analogClock == 0;
    case formRussian:
        return shown.showCalendar != 0;
    default:
        return true;
    }
}

int32_t shownResolutionRow(int32_t resolutionIndex) {
    return resolutionIndex >= 0 && resolutionIndex < resolutionRowCount ? resolutionIndex : 0;
}

std::string mnemonicLabel(const char* label, char marker) {
    std::string text = label ? label : "";
    for (char& c : text) {
        if (c == '&') c = marker;
    }
    return text;
}

namespace {

std::string minutesText(uint64_t minutes) {
    return std::to_string(minutes) + (minutes == 1 ? " minute" : " minutes");
}

// "5 minutes", or "90 seconds" for a time that is no whole number of minutes.
std::string timeText(uint32_t seconds) {
    if (seconds % 60 != 0) return std::to_string(seconds) + (seconds == 1 ? " second" : " seconds");
    return minutesText(seconds / 60);
}

// Whole minutes under the desktop's time: one less than its minutes rounded
// up (90 s gives 1), at least 1.
int minutesBefore(const DesktopTimers& desktop) {
    const uint64_t roundedUp = (uint64_t{desktop.seconds} + 59) / 60;
    return static_cast<int>(std::clamp<uint64_t>(roundedUp, 2, maxIdleMinutes + 1) - 1);
}

bool hiddenFirst(const IdleChoice& choice, const DesktopTimers& desktop) {
    return choice.on && desktop.seconds != 0 && uint64_t(choice.minutes) * 60 >= desktop.seconds;
}

}  // namespace

IdleWarning idleWarning(const IdleChoice& choice, const DesktopTimers& desktop) {
    IdleWarning warning;
    if (!hiddenFirst(choice, desktop)) return warning;
    const std::string ours = "Amber Bell's " + std::to_string(choice.minutes);
    const bool sooner = uint64_t(choice.minutes) * 60 > desktop.seconds;
    warning.text = std::string(desktopName(desktop.desktop)) + " " + desktop.action + " after " +
                   timeText(desktop.seconds) + (sooner ? ", before " + ours : ", just as " + ours + " run out") +
                   ": the show would never be seen.";
    warning.idleMinutes = minutesBefore(desktop);
    warning.desktopSettable = desktopTimeSettable(desktop.desktop);
    const std::string place = desktopSettingsPlace(desktop.desktop);
    if (!warning.desktopSettable && !place.empty()) warning.changeHint = "Its time is changed in " + place + ".";
    return warning;
}

int startingIdleMinutes(const IdleChoice& choice, const DesktopTimers& desktop) {
    if (choice.on || !hiddenFirst({true, choice.minutes}, desktop)) return choice.minutes;
    return minutesBefore(desktop);
}

int suggestedDesktopMinutes(int idleMinutes) {
    return std::clamp(idleMinutes + 5, 1, maxDesktopMinutes);
}

std::string idleFixLabel(int idleMinutes) {
    return "Start Amber &Bell after " + minutesText(static_cast<uint64_t>(idleMinutes));
}

std::string desktopFixLabel(int desktopMinutes) {
    return "Blan&k the screen after " + minutesText(static_cast<uint64_t>(desktopMinutes));
}
