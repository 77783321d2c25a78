// The shared libraries a program calls into, found before its first call.
//
// On Windows the programs import SDL.dll and libpng16-16.dll (with zlib1.dll
// under it) through delay-loaded imports, resolved on the first call. The
// install folder holds them beside "Amber Bell.exe", but the screensaver runs
// from the system folder, which Windows searches first and where an unrelated
// SDL.dll may sit. So the search for libraries is narrowed to the system's
// folders and the install folder, and each is loaded by its full path
// beforehand: those are the ones every later call uses. Every function they
// export as built is then looked up at once, so a library without one is
// reported like a missing one, before any window opens, and ends the
// program with exit status 1, never with an exception.
// Elsewhere the system's loader links the libraries at start and there is
// nothing to load.
#pragma once

#include <string>

namespace platform {

// How a library that cannot be loaded is reported: in a message box (the
// show, a windowed program), as a line on standard error (commands such as
// --version), or not at all (the preview, inside a host's dialog). A line on
// POSIX, where a program started from a menu has nowhere else to say it.
enum class LibraryFailureReport { messageBox, printedLine, silent };
void setLibraryFailureReport(LibraryFailureReport report);

// Says `text` the way set above.
void reportLibraryFailure(const std::string& text);

// Loads the libraries from `installFolder` (ending with a separator), and
// from nowhere else. Returns the path of the first that cannot be loaded;
// empty when all are loaded, and always empty where the loader has already
// linked them.
std::string loadProgramLibraries(const std::string& installFolder);

}  // namespace platform
