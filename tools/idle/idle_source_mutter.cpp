// GNOME's Mutter: org.gnome.Mutter.IdleMonitor on the session bus. An idle
// watch fires once the idle time passes the interval; a user-active watch
// fires once at the next input and is then gone, so it is added anew each
// time. Nothing is polled. gnome-shell may restart (on X11, or after a crash)
// and forgets every watch: the name's new owner gets them made again.
#include <gio/gio.h>

#include "idle_source.h"

namespace {

constexpr const char* monitorName = "org.gnome.Mutter.IdleMonitor";
constexpr const char* monitorPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr int callTimeoutMs = 2000;

class MutterIdleSource final : public IdleSource {
public:
    explicit MutterIdleSource(GDBusConnection* bus) : bus(bus) {}
    ~MutterIdleSource() override {
        if (nameWatch) g_bus_unwatch_name(nameWatch);
        if (subscription) g_dbus_connection_signal_unsubscribe(bus, subscription);
    }

    const char* name() const override { return "Mutter's IdleMonitor"; }

    void watch(unsigned idleMs, IdleEvents watchEvents) override {
        events = std::move(watchEvents);
        watchMs = idleMs;
        subscription = g_dbus_connection_signal_subscribe(bus, monitorName, monitorName, "WatchFired", monitorPath,
                                                          nullptr, G_DBUS_SIGNAL_FLAGS_NONE, fired, this, nullptr);
        nameWatch = g_bus_watch_name_on_connection(bus, monitorName, G_BUS_NAME_WATCHER_FLAGS_NONE, appeared,
                                                   vanished, this, nullptr);
    }

private:
    // A new owner (the first, or gnome-shell restarted): the watches again,
    // with the one for input while idle.
    static void appeared(GDBusConnection*, const gchar*, const gchar*, gpointer data) {
        auto* self = static_cast<MutterIdleSource*>(data);
        self->idleWatch = self->addWatch("AddIdleWatch", g_variant_new("(t)", static_cast<guint64>(self->watchMs)));
        if (self->isIdle) self->activeWatch = self->addWatch("AddUserActiveWatch", nullptr);
    }
    static void vanished(GDBusConnection*, const gchar*, gpointer data) {
        auto* self = static_cast<MutterIdleSource*>(data);
        self->idleWatch = self->activeWatch = 0;
    }

    // The watch's id; 0 when the call failed.
    guint addWatch(const char* method, GVariant* parameters) {
        GVariant* reply = g_dbus_connection_call_sync(bus, monitorName, monitorPath, monitorName, method, parameters,
                                                      G_VARIANT_TYPE("(u)"), G_DBUS_CALL_FLAGS_NONE, callTimeoutMs,
                                                      nullptr, nullptr);
        if (!reply) return 0;
        guint id = 0;
        g_variant_get(reply, "(u)", &id);
        g_variant_unref(reply);
        return id;
    }

    static void fired(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant* parameters,
                      gpointer data) {
        auto* self = static_cast<MutterIdleSource*>(data);
        guint id = 0;
        g_variant_get(parameters, "(u)", &id);
        if (id != 0 && id == self->idleWatch) {
            self->isIdle = true;
            self->activeWatch = self->addWatch("AddUserActiveWatch", nullptr);
            self->events.idle();
        } else if (id != 0 && id == self->activeWatch) {
            self->isIdle = false;
            self->activeWatch = 0;
            self->events.active();
        }
    }

    GDBusConnection* bus;
    guint subscription = 0;
    guint nameWatch = 0;
    unsigned watchMs = 0;
    bool isIdle = false;
    guint idleWatch = 0;
    guint activeWatch = 0;
    IdleEvents events;
};

}  // namespace

std::unique_ptr<IdleSource> openMutterIdleSource(GDBusConnection* sessionBus) {
    if (!sessionBus) return nullptr;
    GVariant* reply = g_dbus_connection_call_sync(sessionBus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                  "org.freedesktop.DBus", "NameHasOwner",
                                                  g_variant_new("(s)", monitorName), G_VARIANT_TYPE("(b)"),
                                                  G_DBUS_CALL_FLAGS_NONE, callTimeoutMs, nullptr, nullptr);
    gboolean owned = FALSE;
    if (reply) {
        g_variant_get(reply, "(b)", &owned);
        g_variant_unref(reply);
    }
    if (!owned) return nullptr;
    return std::make_unique<MutterIdleSource>(sessionBus);
}
