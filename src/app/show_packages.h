// The packages the show reads its artwork from, in the order the start-up
// prefetches them. The one list of them: the build reads the names from the
// definition below (cmake/Packages.cmake) for the artwork it draws and copies and
// for the Windows installer.
#pragma once

#include <array>

constexpr auto showPackages = std::to_array<const char*>({"main.pak", "clock.pak", "calendar.pak", "utils.pak"});
