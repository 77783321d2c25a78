#include "settings_form.h"

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
