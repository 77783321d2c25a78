// What the session is doing besides being idle: the one place that decides
// whether a show may start now, and that reports when a running show can no
// longer be seen. It asks, for every kind of idle source alike:
//   logind_session.h     the login session's lock, sleep and idle inhibitors
//   desktop_session.h    the desktop's lock screen, its inhibitors, its displays
//   screensaver_service.h  inhibits asked of our own org.freedesktop.ScreenSaver
//   x11_session.h        XScreenSaverSuspend, the server blanking, a locker's window
//   wayland_displays.h   a Wayland compositor powering its outputs off
// and names a screensaver daemon that hosts the show itself (XScreenSaver,
// MATE's, Xfce's), where the watcher starts nothing.
#pragma once

#include <gio/gio.h>
#include <sys/types.h>

#include <memory>
#include <string>

#include "desktop_session.h"
#include "logind_session.h"
#include "screensaver_service.h"
#include "session_events.h"
#include "wayland_displays.h"
#include "x11_session.h"

class SessionState {
public:
    // Either bus may be null. `events` go to the watcher.
    SessionState(GDBusConnection* sessionBus, GDBusConnection* systemBus, SessionEvents events);

    // Why no show may start now ("the session is locked", "a program asks
    // for no screensaver (Firefox)"); empty when one may.
    std::string refusal();
    // The daemon's name when one runs ("XScreenSaver", "MATE's screensaver",
    // "Xfce's screensaver"); null when none does.
    const char* daemon();
    // The show (process `pid`) started, or ended (0).
    void showRunning(pid_t pid);
    // Whether logind knows this session: it then tells when the session ends.
    bool knowsSessionEnd() const { return !logind.path().empty(); }

private:
    GDBusConnection* sessionBus;
    SessionEvents events;
    ScreenSaverService service;
    LogindSession logind;
    DesktopSession desktop;
    X11Session x11;
    WaylandDisplays wayland;
};
