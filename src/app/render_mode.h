// The render mode: reads the settings, opens the display, runs the show until
// Escape (or, when the settings ask, mouse motion after the first 3000 ms) and
// tears everything down again. It takes the show's options from
// `commandLine` (app/host_options.h) and keeps frames the -delay apart: by
// default about 60 frames a second in a screensaver host's window and as fast
// as it can full screen.
#pragma once

#include <string>

int runRenderMode(const std::string& commandLine);
