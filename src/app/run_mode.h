// The run mode chosen from the command-line text: the first word's second
// character ('s' starts the renderer, 'c' configures), "/p" with a window
// number for the preview, and the renderer itself for anything else.
#pragma once

#include <cstdint>
#include <string>

enum class RunMode { StartRenderer, Configure, Preview, Render };

struct RunChoice {
    RunMode mode = RunMode::Render;
    bool hasWindowNumber = false;  // a signed decimal number followed the word
    int32_t windowNumber = 0;      // meaningful only when hasWindowNumber
};

RunChoice chooseRunMode(const std::string& commandLine);
