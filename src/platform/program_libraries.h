// The shared libraries a program calls into, found before its first call.
//
// On Windows the programs import SDL.dll and libpng16-16.dll (with zlib1.dll
// under it) through delay-loaded imports, resolved on the first call. The
// install folder holds them beside "Amber Bell.exe", but the screensaver runs
// from the system folder, which Windows searches first and where an unrelated
// SDL.dll may sit. Loading each by its full path beforehand makes those the
// ones every later call uses. Elsewhere the system's loader links the
// libraries at start and there is nothing to do.
#pragma once

#include <string>

namespace platform {

// Loads the libraries from `installFolder` (ending with a separator) when
// SDL.dll is there, else from the running program's own folder (a build run
// where it was built). Returns the path
// of the first that cannot be loaded; empty when all are loaded, and always
// empty where the loader has already linked them.
std::string loadProgramLibraries(const std::string& installFolder);

}  // namespace platform
