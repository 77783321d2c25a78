// The idle watcher's switch as the settings program offers it (Linux): the
// dialog's "Start Amber Bell after N minutes of inactivity" and the
// "idle" command. Turning it on writes the watcher's autostart entry and
// starts the watcher for this session at once (again, with the new minutes,
// when one runs); turning it off removes the entry and stops the session's
// watcher. Windows has its own screensaver settings: there it is not offered.
#pragma once

#include <string>

#include "common/idle_autostart.h"

// False where the switch is not offered (Windows).
bool idleSwitchOffered();

// The choice in the autostart entry.
IdleChoice currentIdleChoice();

// Applies `choice`. False with `error` set when the entry could not be
// written or removed, or the watcher could not be started.
bool applyIdleChoice(const IdleChoice& choice, std::string& error);
