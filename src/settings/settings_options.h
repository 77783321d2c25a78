// The options of the settings record by name, for the configuration program:
// names as they appear on its command line ("showClock=0"), reading and
// setting a value, and parsing "name=value" texts.
//
// Names are the record's field names; they match case-insensitively. Values:
//   flags            0/1, off/on, false/true, no/yes (shown as 0 or 1)
//   resolutionIndex  a row 0..9 of the resolution table, "desktop" (row 0) or
//                    a size "WIDTHxHEIGHT" of one of the rows
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "settings/settings.h"

enum class SettingsOptionKind { Flag, ResolutionRow };

struct SettingsOption {
    const char* name;         // field name, e.g. "showClock"
    SettingsOptionKind kind;
    const char* description;  // one line for help texts
};

// In record order: the seven display flags, exitOnMouseMove, resolutionIndex.
constexpr int settingsOptionCount = 9;
extern const SettingsOption settingsOptions[settingsOptionCount];

// Index into settingsOptions, or -1 for an unknown name.
int findSettingsOption(std::string_view name);

// The option's value: flags as 0 or 1 (any non-zero byte is set), the
// resolution index as stored (also when it is outside the table).
int32_t settingsOptionValue(const Settings& settings, int option);

// Stores `value`, which parseSettingsOptionValue accepted for this option.
void setSettingsOptionValue(Settings& settings, int option, int32_t value);

// Parses a value text for the option. False, with a one-line `error`, when it
// is not a value of that option.
bool parseSettingsOptionValue(int option, std::string_view text, int32_t& value,
                              std::string& error);

// Applies every "name=value" text, all or nothing: when any of them is wrong,
// `settings` is left unchanged and `error` names the first bad one.
bool applySettingsAssignments(Settings& settings, const std::vector<std::string>& assignments,
                              std::string& error);

// One "name=value" line per option, in record order.
std::string formatSettings(const Settings& settings);

// Text for a resolution row: "640 x 480" or, for row 0, "Desktop size"
// followed by " (W x H)" when the desktop's size is given (non-zero).
std::string resolutionRowText(int32_t row, int32_t desktopWidth = 0, int32_t desktopHeight = 0);
