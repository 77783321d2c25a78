// `systemctl --user`, for the idle watcher's unit amber-bell-idle.service,
// which starts the watcher in sessions that run no XDG autostart entries but
// have systemd's graphical-session.target (sway, Hyprland, niri, ... started
// through a session manager). Linux only: idle_switch_posix.cpp uses it.
#pragma once

#include <string>
#include <vector>

constexpr const char* idleUnitName = "amber-bell-idle.service";

// Runs `systemctl --user ARGUMENTS...` without a shell, its input and output
// on /dev/null, and waits for it. Its exit status; -1 when it could not be
// run or was killed. $AMBER_TEST_SYSTEMCTL, when set, names the program run
// instead of systemctl (a stand-in for the tests).
int runUserSystemctl(const std::vector<std::string>& arguments);
