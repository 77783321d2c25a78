// The render mode: reads the settings, opens the display, runs the show until
// Escape (or, when the settings ask, mouse motion after the first 3000 ms) and
// tears everything down again. In a screensaver host's window it also takes
// the host's options from `commandLine` (app/host_options.h) and keeps frames
// the -delay apart; full screen it draws as fast as it can.
#pragma once

#include <string>

int runRenderMode(const std::string& commandLine);
