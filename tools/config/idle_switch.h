// The idle watcher's switch as the settings program offers it (Linux): the
// dialog's "Start Amber Bell after N minutes of inactivity" and the
// "idle" command. Turning it on writes the watcher's autostart entry and
// starts the watcher for this session at once (again, with the new minutes,
// when one runs), its output going to its log (common/idle_log.h); turning it
// off removes the entry and stops the session's watcher. Where the session is
// systemd's (graphical-session.target is active), on also enables the user
// unit amber-bell-idle.service; off disables it wherever it is enabled.
// Windows has its own screensaver settings: there it is not offered.
#pragma once

#include <string>

#include "common/idle_autostart.h"

// False where the switch is not offered (Windows).
bool idleSwitchOffered();

// The choice in the autostart entry.
IdleChoice currentIdleChoice();

// Applies `choice`. False with `error` set when the entry could not be
// written or removed, or the watcher could not be started. A unit that could
// not be enabled or disabled leaves the rest done, and says so in `warning`
// (empty otherwise).
bool applyIdleChoice(const IdleChoice& choice, std::string& error, std::string& warning);

// The process id of this session's running watcher; 0 when none runs.
int runningWatcherId();

// The last line of the watcher's log: what it last decided and why
// ("14:05: no show: the session is locked"); empty when there is none.
std::string lastWatcherLogLine();
