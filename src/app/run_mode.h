// The run mode chosen from the command-line text.
//
// "--help" (or "-help", "-h") and "--version" (or "-version") anywhere ask for
// the usage or the version. Otherwise the first word decides:
//   start the renderer   "/s", "-s"
//   configure            "/c", "-c", "/c:N" (N: the asking window's number)
//   preview              "/p" with a window number behind it
//   render               anything else, also no words at all
// Letters may be upper case. Under SwitchRule::SecondCharacter (Windows) the
// second character alone decides the first two: "xs", "/sc" and "-clock" are
// switches too. Under SwitchRule::ExactWord (X11) only the words above are, so
// a host's "-clock analog -root" renders.
// The screensaver file run with no words at all (Explorer's "Configure" on a
// ".scr") configures; the renderer it starts by /s gets no words and renders.
#pragma once

#include <cstdint>
#include <string>

enum class RunMode { StartRenderer, Configure, Preview, Render, Help, Version };

enum class SwitchRule { SecondCharacter, ExactWord };

struct RunChoice {
    RunMode mode = RunMode::Render;
    // A decimal number followed the word, from -2^31 to 2^32 - 1: Windows
    // writes window handles unsigned, so 2^31 and above are valid handles.
    bool hasWindowNumber = false;
    uint32_t windowNumber = 0;  // the number's low 32 bits, when hasWindowNumber
};

RunChoice chooseRunMode(const std::string& commandLine, bool screensaverFile = false,
                        SwitchRule rule = SwitchRule::SecondCharacter);
