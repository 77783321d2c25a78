// The install directory of the screensaver, read from the stored value
// "Software\lumivera\Amber Bell\Settings" / "Path" before main runs.
#pragma once

#include "app/registry_value.h"

inline constexpr char installDirectoryKey[] = "Software\\lumivera\\Amber Bell\\Settings";
inline constexpr char installDirectoryValueName[] = "Path";

extern RegistryValue installDirectory;
