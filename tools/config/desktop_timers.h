// The desktop's own timers: how long without input before the desktop itself
// blanks the screen, locks it or turns the display off. The idle watcher's
// show is only seen when it starts before all of them, so the settings
// program warns when it would not.
//
// The rules that turn each desktop's settings into one time are here,
// portable and tested; reading them is the platform's (desktop_timers_posix.cpp:
// GSettings for GNOME and Cinnamon, the configuration files of KDE Plasma 6
// and Xfce; desktop_timers_win32.cpp knows none).
#pragma once

#include <cstdint>
#include <map>
#include <string>

enum class DesktopKind { none, gnome, cinnamon, plasma, xfce };

struct DesktopTimers {
    DesktopKind desktop = DesktopKind::none;
    uint32_t seconds = 0;    // the shortest of its timers, in seconds; 0: none known
    const char* action = "";  // what it does then: "blanks the screen", "locks the screen", ...
};

// "GNOME", "Cinnamon", "KDE Plasma", "Xfce"; empty for none.
const char* desktopName(DesktopKind desktop);

// True where this program can change the desktop's time (GSettings'
// idle-delay: GNOME, Cinnamon); elsewhere it only says where it is changed.
bool desktopTimeSettable(DesktopKind desktop);

// Where the user changes the time of a desktop whose time is not settable
// from here ("KDE Plasma's System Settings: ..."); empty for the others.
const char* desktopSettingsPlace(DesktopKind desktop);

// The first of XDG_CURRENT_DESKTOP's colon-separated names that is one of
// ours ("ubuntu:GNOME" is GNOME, "X-Cinnamon" Cinnamon, "KDE" Plasma, "XFCE"
// Xfce; any case); none when it names none of them.
DesktopKind desktopFromList(const std::string& list);

// GNOME's and Cinnamon's: the session's idle-delay (seconds, 0 never) blanks
// the screen; when lock-enabled the lock follows lock-delay seconds later.
struct GnomeSettings {
    uint32_t idleDelay = 0;
    bool lockEnabled = false;
    uint32_t lockDelay = 0;
};
DesktopTimers gnomeTimers(DesktopKind desktop, const GnomeSettings& settings);

// KDE Plasma 6's, from the text of kscreenlockerrc and powerdevilrc (empty
// when missing): the lock after [Daemon] Timeout minutes (5 when unset)
// unless Autolock=false; the display off after [AC][Display]
// TurnOffDisplayIdleTimeoutSec (300 when unset) unless
// TurnOffDisplayWhenIdle=false or the time is -1.
DesktopTimers plasmaTimers(const std::string& kscreenlockerrc, const std::string& powerdevilrc);

// An Xfce channel's properties by path ("/saver/idle-activation/delay") to
// their values as written in its xfconf file.
using XfconfValues = std::map<std::string, std::string>;

// Xfce's, from the channels xfce4-screensaver and xfce4-power-manager: the
// screensaver after /saver/idle-activation/delay minutes (locking with it
// when /lock/enabled), the screen blanked after blank-on-ac minutes and the
// display off after dpms-on-ac-off minutes. Unset, 0 or switched off: none.
DesktopTimers xfceTimers(const XfconfValues& screensaver, const XfconfValues& powerManager);

// The session's desktop (XDG_CURRENT_DESKTOP; when that is unset, the first
// desktop whose settings the user has: Plasma's or Xfce's files, then a
// Cinnamon or GNOME idle-delay of the user's own) and its timers.
DesktopTimers readDesktopTimers();

// Sets GSettings' idle-delay of `desktop` (GNOME, Cinnamon) to `seconds`.
// False with `error` set where that cannot be done.
bool setDesktopIdleDelay(DesktopKind desktop, uint32_t seconds, std::string& error);
