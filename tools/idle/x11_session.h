// What the X server says about the session, on a connection of its own:
// whether a program holds the server's screensaver suspended
// (XScreenSaverSuspend, which browsers and players use where no D-Bus
// screensaver service runs; read from the X-Resource extension, where each
// suspension is a resource of its client), whether XScreenSaver's daemon runs,
// and, reported as they happen, the server blanking the screen or powering the
// displays off (its own screensaver coming on: DPMS turns it on too) and a
// window covering the watcher's show whole (a locker such as i3lock).
// Without an X display every answer is no and nothing is reported.
#pragma once

#include <glib.h>
#include <sys/types.h>

#include "session_events.h"

typedef struct _XDisplay Display;

class X11Session {
public:
    explicit X11Session(SessionEvents& events);
    ~X11Session();
    X11Session(const X11Session&) = delete;
    X11Session& operator=(const X11Session&) = delete;

    bool screensaverSuspended();
    bool xscreensaverRuns();
    // Watches for the top-level window of process `pid` (the show's) and
    // reports when it is covered; 0 stops watching.
    void watchShow(pid_t pid);

private:
    static gboolean readable(gint, GIOCondition condition, gpointer data);
    void handleEvents();

    SessionEvents& events;
    ::Display* display = nullptr;
    int saverEventBase = 0;
    guint fdWatch = 0;
    pid_t showPid = 0;
};
