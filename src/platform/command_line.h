// How this platform's screensaver hosts write the command line.
#pragma once

namespace platform {

// True where a run-mode switch is known by the second character of the first
// word alone ('s' or 'c': "/s", "-S", "/c:1234"), as Windows' screensaver
// hosts have always been read. False where hosts put options of their own
// first ("-clock analog -root" from an X11 host), whose second letter must not
// choose a mode: there only the exact switch words do (app/run_mode.h).
bool switchBySecondCharacter();

}  // namespace platform
