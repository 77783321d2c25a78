// Show choices: the display options of the settings as words, for command
// lines that override the settings file (the snapshot tool, and the options a
// screensaver host passes). Each choice sets the flags behind it together:
//   fps         on | off                          showFrameCounter
//   clock       off | analog | digital12 | digital24
//                                                 showClock, analogClock, clock24Hour
//   clock-size  near (large) | far (small)        largeClock
//   calendar    off | default | russian           showCalendar, russianCalendar
// A flag a choice leaves alone keeps its value: "clock off" keeps the analog
// and 24-hour flags for when the clock is on again.
#pragma once

#include <string>
#include <string_view>

#include "settings/settings.h"

// The value words of a choice, "|"-separated for help texts; empty for a name
// that is no choice.
std::string_view showChoiceValues(std::string_view name);

// Applies choice `name` = `value` to `settings`. False, with a one-line
// `error`, for an unknown name or a value that is not one of its words;
// `settings` is then unchanged.
bool applyShowChoice(Settings& settings, std::string_view name, std::string_view value, std::string& error);
