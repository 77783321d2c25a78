// The install directory of the screensaver, read from the stored value
// "Software\lumivera\Amber Bell\Settings" / "Path" before main runs.
#pragma once

#include <string>

#include "app/registry_value.h"

inline constexpr char installDirectoryKey[] = "Software\\lumivera\\Amber Bell\\Settings";
inline constexpr char installDirectoryValueName[] = "Path";

extern RegistryValue installDirectory;

// The folder of the show's packages and preview picture, ending with the
// separator: the recorded install directory, which holds everything (as on
// Windows); without one, the program's own folder when the packages lie
// beside it (the build's saver folder), else where the install put the data
// (platform::installedDataDirectory).
std::string showDataDirectory();
