// The render mode: reads the settings, opens the display, runs the show until
// Escape (or, when the settings ask, mouse motion after the first 3000 ms) and
// tears everything down again.
#pragma once

int runRenderMode();
