// GNOME's Mutter: org.gnome.Mutter.IdleMonitor on the session bus. An idle
// watch fires once the idle time passes the interval; a user-active watch
// fires once at the next input and is then gone, so it is added anew each
// time. Nothing is polled. GNOME's session manager keeps the inhibitors
// (a playing video's), which the watcher asks for before it starts the show.
#include <gio/gio.h>

#include "idle_source.h"

namespace {

constexpr const char* monitorName = "org.gnome.Mutter.IdleMonitor";
constexpr const char* monitorPath = "/org/gnome/Mutter/IdleMonitor/Core";
constexpr int callTimeoutMs = 2000;
constexpr guint inhibitIdleFlag = 8;  // GsmInhibitorFlag: "idle"

class MutterIdleSource final : public IdleSource {
public:
    explicit MutterIdleSource(GDBusConnection* bus) : bus(bus) {}
    ~MutterIdleSource() override {
        if (subscription) g_dbus_connection_signal_unsubscribe(bus, subscription);
    }

    const char* name() const override { return "Mutter's IdleMonitor"; }

    void watch(unsigned idleMs, IdleEvents watchEvents) override {
        events = std::move(watchEvents);
        subscription = g_dbus_connection_signal_subscribe(bus, monitorName, monitorName, "WatchFired", monitorPath,
                                                          nullptr, G_DBUS_SIGNAL_FLAGS_NONE, fired, this, nullptr);
        idleWatch = addWatch("AddIdleWatch", g_variant_new("(t)", static_cast<guint64>(idleMs)));
        if (idleWatch == 0) events.lost();
    }

    bool inhibited() override {
        GVariant* reply = g_dbus_connection_call_sync(
            bus, "org.gnome.SessionManager", "/org/gnome/SessionManager", "org.gnome.SessionManager", "IsInhibited",
            g_variant_new("(u)", inhibitIdleFlag), G_VARIANT_TYPE("(b)"), G_DBUS_CALL_FLAGS_NONE, callTimeoutMs,
            nullptr, nullptr);
        if (!reply) return false;  // no GNOME session manager: nothing inhibits
        gboolean result = FALSE;
        g_variant_get(reply, "(b)", &result);
        g_variant_unref(reply);
        return result;
    }

private:
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
        if (id == self->idleWatch) {
            self->activeWatch = self->addWatch("AddUserActiveWatch", nullptr);
            self->events.idle();
        } else if (id != 0 && id == self->activeWatch) {
            self->activeWatch = 0;
            self->events.active();
        }
    }

    GDBusConnection* bus;
    guint subscription = 0;
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
