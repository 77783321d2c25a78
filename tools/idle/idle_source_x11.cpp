// X11: the MIT-SCREEN-SAVER extension's idle time, the milliseconds since the
// last input the server saw (all input: a grab or a full-screen window does
// not hide it). The server sends no event for a time of our choosing, so the
// time is asked for: while waiting, once at the moment the idle time could
// first reach the watch's time (a wake every few minutes at most); after
// idle, a few times a second, as coming back must end the show at once.
// A program that keeps the screensaver away (a video player calling
// XResetScreenSaver) resets the same idle time. So does the show itself as it
// takes the screen (SDL's pointer warp and grabs): a reset in the show's first
// seconds is taken as the new baseline, as the show itself ignores the
// pointer in its first seconds.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>
#include <glib-unix.h>

#include <cstdlib>

#include "idle_source.h"

namespace {

constexpr guint backPollMs = 200;
constexpr gint64 startGraceUs = 3 * G_USEC_PER_SEC;

class X11IdleSource final : public IdleSource {
public:
    ~X11IdleSource() override {
        if (timer) g_source_remove(timer);
        if (fdWatch) g_source_remove(fdWatch);
        if (info) XFree(info);
        if (display) XCloseDisplay(display);
    }

    bool open() {
        // The server gone is the session gone: end quietly. Xlib allows no
        // return to the program from here; the show loses the same server.
        XSetIOErrorHandler([](::Display*) -> int { std::_Exit(0); });
        display = XOpenDisplay(nullptr);
        int firstEvent = 0, firstError = 0;
        if (!display || !XScreenSaverQueryExtension(display, &firstEvent, &firstError)) return false;
        info = XScreenSaverAllocInfo();
        return info != nullptr;
    }

    const char* name() const override { return "MIT-SCREEN-SAVER"; }

    void showStarting() override { showSinceUs = g_get_monotonic_time(); }

    void watch(unsigned idleMs, IdleEvents watchEvents) override {
        events = std::move(watchEvents);
        watchMs = idleMs;
        // Nothing is read from the connection but replies: the watch only
        // learns that the server went away.
        fdWatch = g_unix_fd_add(ConnectionNumber(display), static_cast<GIOCondition>(G_IO_HUP | G_IO_ERR | G_IO_IN),
                                connectionEvent, this);
        check();
    }

private:
    // The idle time now, in milliseconds.
    unsigned long idleTime() {
        XScreenSaverQueryInfo(display, DefaultRootWindow(display), info);
        return info->idle;
    }

    void schedule(guint ms) { timer = g_timeout_add(ms, checkLater, this); }

    void check() {
        const unsigned long idle = idleTime();
        if (!isIdle) {
            if (idle >= watchMs) {
                isIdle = true;
                lastIdle = idle;
                schedule(backPollMs);
                events.idle();
            } else {
                schedule(static_cast<guint>(watchMs - idle) + 50);
            }
        } else if (idle < lastIdle && g_get_monotonic_time() - showSinceUs < startGraceUs) {
            lastIdle = idle;
            schedule(backPollMs);
        } else if (idle < lastIdle) {
            isIdle = false;
            schedule(static_cast<guint>(watchMs > idle ? watchMs - idle : 0) + 50);
            events.active();
        } else {
            lastIdle = idle;
            schedule(backPollMs);
        }
    }

    static gboolean checkLater(gpointer data) {
        auto* self = static_cast<X11IdleSource*>(data);
        self->timer = 0;
        self->check();
        return G_SOURCE_REMOVE;
    }

    static gboolean connectionEvent(gint, GIOCondition condition, gpointer data) {
        auto* self = static_cast<X11IdleSource*>(data);
        // Events nobody asked for are dropped; a closed connection ends the watch.
        if (!(condition & (G_IO_HUP | G_IO_ERR)) && XPending(self->display) >= 0) {
            while (XPending(self->display)) {
                XEvent event;
                XNextEvent(self->display, &event);
            }
            return G_SOURCE_CONTINUE;
        }
        self->fdWatch = 0;
        self->events.lost();
        return G_SOURCE_REMOVE;
    }

    ::Display* display = nullptr;
    XScreenSaverInfo* info = nullptr;
    unsigned watchMs = 0;
    bool isIdle = false;
    unsigned long lastIdle = 0;
    gint64 showSinceUs = -startGraceUs;  // when the show last started
    guint timer = 0;
    guint fdWatch = 0;
    IdleEvents events;
};

}  // namespace

std::unique_ptr<IdleSource> openX11IdleSource() {
    auto source = std::make_unique<X11IdleSource>();
    if (!source->open()) return nullptr;
    return source;
}
