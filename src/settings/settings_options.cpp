#include "settings/settings_options.h"

#include <cctype>
#include <charconv>

const SettingsOption settingsOptions[settingsOptionCount] = {
    {"showFrameCounter", SettingsOptionKind::Flag, "show the frame counter"},
    {"showClock", SettingsOptionKind::Flag, "show a clock"},
    {"analogClock", SettingsOptionKind::Flag, "the clock is analog (0: digital)"},
    {"clock24Hour", SettingsOptionKind::Flag, "the digital clock shows 24 hours (0: 12 with AM/PM)"},
    {"largeClock", SettingsOptionKind::Flag, "the clock is large (0: small)"},
    {"showCalendar", SettingsOptionKind::Flag, "show the calendar"},
    {"russianCalendar", SettingsOptionKind::Flag, "Russian calendar layout, weeks from Monday"},
    {"exitOnMouseMove", SettingsOptionKind::Flag, "moving the mouse ends the show"},
    {"resolutionIndex", SettingsOptionKind::ResolutionRow,
     "screen mode: 0 (desktop) or 1-9, or a size such as 1024x768"},
};

namespace {

constexpr int resolutionOption = 8;

// The flag fields, in the order of settingsOptions.
constexpr uint8_t Settings::*flagFields[] = {
    &Settings::showFrameCounter, &Settings::showClock,    &Settings::analogClock,
    &Settings::clock24Hour,      &Settings::largeClock,   &Settings::showCalendar,
    &Settings::russianCalendar,  &Settings::exitOnMouseMove};

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front()))) text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.remove_suffix(1);
    return text;
}

// A whole decimal number, nothing before or after it.
bool parseInt(std::string_view text, int32_t& value) {
    if (text.empty()) return false;
    const auto [end, problem] = std::from_chars(text.data(), text.data() + text.size(), value);
    return problem == std::errc() && end == text.data() + text.size();
}

bool parseFlag(std::string_view text, int32_t& value) {
    for (const char* word : {"1", "on", "true", "yes"}) {
        if (equalsIgnoringCase(text, word)) {
            value = 1;
            return true;
        }
    }
    for (const char* word : {"0", "off", "false", "no"}) {
        if (equalsIgnoringCase(text, word)) {
            value = 0;
            return true;
        }
    }
    return false;
}

bool parseResolution(std::string_view text, int32_t& value) {
    if (equalsIgnoringCase(text, "desktop")) {
        value = 0;
        return true;
    }
    int32_t row;
    if (parseInt(text, row)) {
        if (row < 0 || row >= resolutionRowCount) return false;
        value = row;
        return true;
    }
    const size_t x = text.find_first_of("xX");
    int32_t width, height;
    if (x == std::string_view::npos || !parseInt(trim(text.substr(0, x)), width) ||
        !parseInt(trim(text.substr(x + 1)), height)) {
        return false;
    }
    for (int32_t r = 1; r < resolutionRowCount; ++r) {
        if (resolutionTable[r].width == width && resolutionTable[r].height == height) {
            value = r;
            return true;
        }
    }
    return false;
}

}  // namespace

int findSettingsOption(std::string_view name) {
    for (int i = 0; i < settingsOptionCount; ++i) {
        if (equalsIgnoringCase(name, settingsOptions[i].name)) return i;
    }
    return -1;
}

int32_t settingsOptionValue(const Settings& settings, int option) {
    if (option == resolutionOption) return settings.resolutionIndex;
    return settings.*flagFields[option] != 0 ? 1 : 0;
}

void setSettingsOptionValue(Settings& settings, int option, int32_t value) {
    if (option == resolutionOption) {
        settings.resolutionIndex = value;
    } else {
        settings.*flagFields[option] = value != 0 ? 1 : 0;
    }
}

bool parseSettingsOptionValue(int option, std::string_view text, int32_t& value,
                              std::string& error) {
    text = trim(text);
    const SettingsOption& o = settingsOptions[option];
    const bool ok = o.kind == SettingsOptionKind::Flag ? parseFlag(text, value)
                                                       : parseResolution(text, value);
    if (!ok) {
        error = std::string(o.name) + ": '" + std::string(text) + "' is not allowed (" +
                (o.kind == SettingsOptionKind::Flag ? "use 0 or 1"
                                                    : "use 0 to 9, desktop or a size such as 1024x768") +
                ")";
    }
    return ok;
}

bool applySettingsAssignments(Settings& settings, const std::vector<std::string>& assignments,
                              std::string& error) {
    Settings changed = settings;
    for (const std::string& assignment : assignments) {
        const size_t equals = assignment.find('=');
        if (equals == std::string::npos) {
            error = "'" + assignment + "' is not of the form name=value";
            return false;
        }
        const std::string_view name = trim(std::string_view(assignment).substr(0, equals));
        const int option = findSettingsOption(name);
        if (option < 0) {
            error = "unknown option '" + std::string(name) + "'";
            return false;
        }
        int32_t value;
        if (!parseSettingsOptionValue(option, std::string_view(assignment).substr(equals + 1),
                                      value, error)) {
            return false;
        }
        setSettingsOptionValue(changed, option, value);
    }
    settings = changed;
    return true;
}

std::string formatSettings(const Settings& settings) {
    std::string text;
    for (int i = 0; i < settingsOptionCount; ++i) {
        text += settingsOptions[i].name;
        text += '=';
        text += std::to_string(settingsOptionValue(settings, i));
        text += '\n';
    }
    return text;
}

std::string resolutionRowText(int32_t row, int32_t desktopWidth, int32_t desktopHeight) {
    if (row <= 0 || row >= resolutionRowCount) {
        std::string text = "Desktop size";
        if (desktopWidth > 0 && desktopHeight > 0) {
            text += " (" + std::to_string(desktopWidth) + " x " + std::to_string(desktopHeight) + ")";
        }
        return text;
    }
    return std::to_string(resolutionTable[row].width) + " x " +
           std::to_string(resolutionTable[row].height);
}
