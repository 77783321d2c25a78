// IdleSource: where the idle watcher learns that the session has gone idle and
// that the user is back. One file per kind of session:
//   idle_source_wayland.cpp  Wayland compositors with ext-idle-notify-v1 (KWin,
//                            sway and the other wlroots compositors, COSMIC...)
//   idle_source_mutter.cpp   GNOME's Mutter, on the session bus
//   idle_source_x11.cpp      any X server with the SYNC extension's IDLETIME
// Each opens on the GLib main loop of the thread and reports through the
// IdleEvents it was handed, waiting on events, never polling; none of them
// starts or ends anything itself, nor asks about locks and inhibitors
// (session_state.h does, for all of them).
#pragma once

#include <functional>
#include <memory>

typedef struct _GDBusConnection GDBusConnection;

struct IdleEvents {
    std::function<void()> idle;    // the session has had no input for the watch's time
    std::function<void()> active;  // input again, after idle
    std::function<void()> lost;    // the session's connection closed: the session is over
};

class IdleSource {
public:
    virtual ~IdleSource() = default;
    // For messages: "ext-idle-notify-v1", "Mutter's IdleMonitor", "the X server's idle time".
    virtual const char* name() const = 0;
    // Reports idle after `idleMs` milliseconds without input, then active at
    // the next input, then idle again after another `idleMs`, and so on.
    // Called once.
    virtual void watch(unsigned idleMs, IdleEvents events) = 0;
};

// Each returns null when the session does not offer it.
std::unique_ptr<IdleSource> openWaylandIdleSource();
std::unique_ptr<IdleSource> openMutterIdleSource(GDBusConnection* sessionBus);
std::unique_ptr<IdleSource> openX11IdleSource();
