// X11: the SYNC extension's IDLETIME counter, the milliseconds since the last
// input the server saw (all input: a grab does not hide it). While the user
// is there, the counter is read once at the moment it could first reach the
// watch's time (a wake per watch time at most: servers' alarms for a rising
// IDLETIME are unreliable). Once idle, an alarm waits for the counter to fall
// back (input, or a program calling XResetScreenSaver, as video players do),
// so nothing is polled however long the session stays idle.
// XScreenSaverSuspend does not show here: session_state.h asks for it.
#include <X11/Xlib.h>
#include <X11/extensions/sync.h>
#include <glib-unix.h>

#include <cstdlib>
#include <cstring>

#include "idle_source.h"

namespace {

int64_t toMs(const XSyncValue& value) {
    return (static_cast<int64_t>(XSyncValueHigh32(value)) << 32) | XSyncValueLow32(value);
}

XSyncValue fromMs(int64_t ms) {
    XSyncValue value;
    XSyncIntsToValue(&value, static_cast<unsigned>(ms & 0xffffffff), static_cast<int>(ms >> 32));
    return value;
}

class X11IdleSource final : public IdleSource {
public:
    ~X11IdleSource() override {
        if (timer) g_source_remove(timer);
        if (fdWatch) g_source_remove(fdWatch);
        if (alarm != None) XSyncDestroyAlarm(display, alarm);
        if (display) XCloseDisplay(display);
    }

    bool open() {
        // The server gone is the session gone: end quietly. Xlib allows no
        // return to the program from here; the show loses the same server.
        XSetIOErrorHandler([](::Display*) -> int { std::_Exit(0); });
        display = XOpenDisplay(nullptr);
        int errorBase = 0, major = 0, minor = 0;
        if (!display || !XSyncQueryExtension(display, &syncEventBase, &errorBase) ||
            !XSyncInitialize(display, &major, &minor)) {
            return false;
        }
        int count = 0;
        XSyncSystemCounter* counters = XSyncListSystemCounters(display, &count);
        for (int i = 0; i < count; ++i) {
            if (std::strcmp(counters[i].name, "IDLETIME") == 0) idleCounter = counters[i].counter;
        }
        if (counters) XSyncFreeSystemCounterList(counters);
        return idleCounter != None;
    }

    const char* name() const override { return "the X server's idle time"; }

    void watch(unsigned idleMs, IdleEvents watchEvents) override {
        events = std::move(watchEvents);
        watchMs = idleMs;
        fdWatch = g_unix_fd_add(ConnectionNumber(display), static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                                connectionEvent, this);
        waitForIdle();
    }

private:
    int64_t idleTimeMs() {
        XSyncValue value;
        XSyncQueryCounter(display, idleCounter, &value);
        return toMs(value);
    }

    // Reports idle once the counter has reached the watch's time.
    void waitForIdle() {
        isIdle = false;
        if (alarm != None) XSyncDestroyAlarm(display, alarm);
        alarm = None;
        const int64_t idle = idleTimeMs();
        if (idle < watchMs) {
            timer = g_timeout_add(static_cast<guint>(watchMs - idle) + 20, checkIdle, this);
            return;
        }
        waitForInput();
        if (isIdle) events.idle();
    }

    static gboolean checkIdle(gpointer data) {
        auto* self = static_cast<X11IdleSource*>(data);
        self->timer = 0;
        self->waitForIdle();
        return G_SOURCE_REMOVE;
    }

    // Fires when the counter falls below where it is now. Input between the
    // idle alarm and this one is caught by asking the counter after setting
    // it: then the user never went idle, and the idle alarm is set again.
    void waitForInput() {
        isIdle = true;
        const int64_t nowMs = idleTimeMs();
        setAlarm(XSyncNegativeTransition, nowMs > 1 ? nowMs - 1 : 0);
        if (idleTimeMs() + 1 < nowMs) waitForIdle();
    }

    void setAlarm(XSyncTestType test, int64_t valueMs) {
        XSyncAlarmAttributes attributes{};
        attributes.trigger.counter = idleCounter;
        attributes.trigger.value_type = XSyncAbsolute;
        attributes.trigger.wait_value = fromMs(valueMs);
        attributes.trigger.test_type = test;
        attributes.delta = fromMs(0);
        attributes.events = True;
        const unsigned long mask = XSyncCACounter | XSyncCAValueType | XSyncCAValue | XSyncCATestType | XSyncCADelta |
                                   XSyncCAEvents;
        if (alarm != None) XSyncDestroyAlarm(display, alarm);
        alarm = XSyncCreateAlarm(display, mask, &attributes);
        XFlush(display);
    }

    void alarmFired(const XSyncAlarmNotifyEvent& event) {
        if (event.alarm != alarm || event.state == XSyncAlarmDestroyed || !isIdle) return;
        waitForIdle();
        events.active();
    }

    static gboolean connectionEvent(gint, GIOCondition condition, gpointer data) {
        auto* self = static_cast<X11IdleSource*>(data);
        if (condition & (G_IO_HUP | G_IO_ERR)) {
            self->fdWatch = 0;
            self->events.lost();
            return G_SOURCE_REMOVE;
        }
        while (XPending(self->display)) {
            XEvent event;
            XNextEvent(self->display, &event);
            if (event.type == self->syncEventBase + XSyncAlarmNotify) {
                self->alarmFired(*reinterpret_cast<XSyncAlarmNotifyEvent*>(&event));
            }
        }
        return G_SOURCE_CONTINUE;
    }

    ::Display* display = nullptr;
    int syncEventBase = 0;
    XSyncCounter idleCounter = None;
    XSyncAlarm alarm = None;
    int64_t watchMs = 0;
    bool isIdle = false;
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
