// The process's command line: its text, as the portable entry point reads it,
// and how this platform's screensaver hosts write it.
#pragma once

#include <string>

namespace platform {

// The command-line text of the process, made from what the C runtime hands to
// main. Called once, by main, before anything else.
//
// POSIX: the arguments after the program name, joined with single blanks. The
// arguments are also kept for host-window discovery (host_window.h).
// Windows: the text behind the program name, byte for byte as WinMain's
// lpCmdLine would have it (mingw-w64's start-up code): the process's command
// line with the program name cut off (it ends at the first blank or control
// byte outside double quotes) and the blanks and control bytes after it.
// argc and argv are not used there: Windows hands the line over whole.
std::string commandLineText(int argc, char** argv);

// True where a run-mode switch is known by the second character of the first
// word alone ('s' or 'c': "/s", "-S", "/c:1234"), as Windows' screensaver
// hosts have always been read. False where hosts put options of their own
// first ("-clock analog -root" from an X11 host), whose second letter must not
// choose a mode: there only the exact switch words do (app/run_mode.h).
bool switchBySecondCharacter();

}  // namespace platform
