// The idle watcher's switch, shared by the watcher (tools/idle) and the
// settings program (tools/config): an XDG autostart entry in the user's
// ~/.config/autostart/ ($XDG_CONFIG_HOME/autostart/), which the desktop runs
// at login, holding the chosen minutes in a key of its own. No entry, or one
// the desktop's own session settings switched off (Hidden=true), means off.
// The show's settings file is not touched.
//
// Also where the session's running watcher leaves its lock file, which holds
// its process id: one watcher per session, and the settings program stops it
// through it.
#pragma once

#include <string>

constexpr int defaultIdleMinutes = 10;
constexpr int maxIdleMinutes = 600;

struct IdleChoice {
    bool on = false;
    int minutes = defaultIdleMinutes;  // 1 to maxIdleMinutes
};

// $XDG_CONFIG_HOME/autostart/amber-bell-idle.desktop (or ~/.config/...);
// empty when neither variable is set.
std::string idleAutostartPath();

// The choice the entry at `path` holds; off when it is missing or hidden, and
// the default minutes when its value is missing or out of range.
IdleChoice readIdleChoice(const std::string& path);

// On: writes the entry, starting `watcherProgram` (an absolute path; also its
// TryExec, so that desktops pass the entry by once the program is gone); off:
// removes it. False with `error` set ("cannot write PATH: reason").
bool writeIdleChoice(const std::string& path, const IdleChoice& choice, const std::string& watcherProgram,
                     std::string& error);

// The lock file of the watcher of this session: in $XDG_RUNTIME_DIR, named
// after the login session ($XDG_SESSION_ID), else after its display
// ($WAYLAND_DISPLAY, else $DISPLAY without its screen: ":0" and ":0.0" are one
// session). Empty without XDG_RUNTIME_DIR: a shared folder such as /tmp is
// no safe place for it.
std::string idleLockPath();
