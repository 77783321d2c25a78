// The texts of --help and --version. The usage names the run-mode switches as
// `rule` reads them (app/run_mode.h), every option of the show with its units,
// range and default (app/host_options.h), and the files the show reads, where
// they are on this machine.
#pragma once

#include <string>

#include "app/run_mode.h"

std::string usageText(SwitchRule rule);

// "amber-bell <version>", then "SDL: " and the SDL loaded at run time
// (video/sdl_library.h), each on a line of its own.
std::string versionText();
