#include "settings/show_choices.h"

#include <array>

namespace {

struct Choice {
    std::string_view name;
    std::string_view values;  // "|"-separated
};
constexpr std::array<Choice, 4> choices{{
    {"fps", "on|off"},
    {"clock", "off|analog|digital12|digital24"},
    {"clock-size", "near|far"},
    {"calendar", "off|default|russian"},
}};

bool isOneOf(std::string_view value, std::string_view values) {
    while (!values.empty()) {
        const size_t bar = values.find('|');
        if (values.substr(0, bar) == value) return true;
        if (bar == std::string_view::npos) break;
        values.remove_prefix(bar + 1);
    }
    return false;
}

}  // namespace

std::string_view showChoiceValues(std::string_view name) {
    for (const Choice& choice : choices) {
        if (choice.name == name) return choice.values;
    }
    return {};
}

bool applyShowChoice(Settings& settings, std::string_view name, std::string_view value, std::string& error) {
    const std::string_view values = showChoiceValues(name);
    if (values.empty()) {
        error = "unknown choice \"" + std::string(name) + "\"";
        return false;
    }
    if (value.empty() || !isOneOf(value, values)) {
        error = std::string(name) + " takes " + std::string(values) + ", not \"" + std::string(value) + "\"";
        return false;
    }
    if (name == "fps") {
        settings.showFrameCounter = value == "on";
    } else if (name == "clock") {
        settings.showClock = value != "off";
        if (value != "off") {
            settings.analogClock = value == "analog";
            settings.clock24Hour = value == "digital24";
        }
    } else if (name == "clock-size") {
        settings.largeClock = value == "near";
    } else {  // calendar
        settings.showCalendar = value != "off";
        if (value != "off") settings.russianCalendar = value == "russian";
    }
    return true;
}
