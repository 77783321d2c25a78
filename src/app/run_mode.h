// The run mode chosen from the command-line text: the first word's second
// character ('s' starts the renderer, 'c' configures), "/p" with a window
// number for the preview, and the renderer itself for anything else. The
// screensaver file run with no words at all (Explorer's "Configure" on a
// ".scr") configures; the renderer it starts by /s gets no words and renders.
#pragma once

#include <cstdint>
#include <string>

enum class RunMode { StartRenderer, Configure, Preview, Render };

struct RunChoice {
    RunMode mode = RunMode::Render;
    // A decimal number followed the word, from -2^31 to 2^32 - 1: Windows
    // writes window handles unsigned, so 2^31 and above are valid handles.
    bool hasWindowNumber = false;
    uint32_t windowNumber = 0;  // the number's low 32 bits, when hasWindowNumber
};

RunChoice chooseRunMode(const std::string& commandLine, bool screensaverFile = false);
