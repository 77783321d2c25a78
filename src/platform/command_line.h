// The command-line text of the process: what the portable entry point reads,
// made from what the C runtime hands to main. Called once, by main, before
// anything else.
//
// POSIX: the arguments after the program name, joined with single blanks. The
// arguments are also kept for host-window discovery (host_window.h).
// Windows: the text behind the program name, byte for byte as WinMain's
// lpCmdLine would have it (mingw-w64's start-up code): the process's command
// line with the program name cut off (it ends at the first blank or control
// byte outside double quotes) and the blanks and control bytes after it.
// argc and argv are not used there: Windows hands the line over whole.
#pragma once

#include <string>

namespace platform {

std::string commandLineText(int argc, char** argv);

}  // namespace platform
