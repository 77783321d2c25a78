// The install directory of the screensaver, read from the stored value
// "Software\lumivera\Amber Bell\Settings" / "Path" before main runs.
#pragma once

#include "app/registry_value.h"

extern RegistryValue installDirectory;
