#include "desktop_session.h"

#include <cstring>

#include "dbus_calls.h"

namespace {

constexpr guint gnomeInhibitIdle = 8;           // GsmInhibitorFlag "idle"
constexpr guint plasmaChangeScreenSettings = 4;  // PowerDevil's screen dimming, blanking and locking

bool gnomeScreenSaverActive(GDBusConnection* bus) {
    return dbus::boolReply(dbus::call(bus, "org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver",
                                      "GetActive", nullptr, "(b)"));
}

bool freedesktopScreenSaverActive(GDBusConnection* bus) {
    return dbus::boolReply(dbus::call(bus, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                                      "org.freedesktop.ScreenSaver", "GetActive", nullptr, "(b)"));
}

// Mutter's PowerSaveMode: 0 on, 1 standby, 2 suspend, 3 off.
bool displaysPowerSaving(GVariant* changedProperties) {
    gint32 mode = 0;
    return g_variant_lookup(changedProperties, "PowerSaveMode", "i", &mode) && mode != 0;
}

}  // namespace

DesktopSession::DesktopSession(GDBusConnection* sessionBus, SessionEvents& events,
                               const ScreenSaverService& ownService)
    : bus(sessionBus), events(events), ownService(ownService) {
    subscriptions[0] = dbus::subscribe(bus, nullptr, "org.gnome.ScreenSaver", "ActiveChanged", nullptr, signalled, this);
    subscriptions[1] =
        dbus::subscribe(bus, nullptr, "org.freedesktop.ScreenSaver", "ActiveChanged", nullptr, signalled, this);
    subscriptions[2] = dbus::subscribe(bus, "org.gnome.Mutter.DisplayConfig", "org.freedesktop.DBus.Properties",
                                       "PropertiesChanged", "/org/gnome/Mutter/DisplayConfig", signalled, this);
    subscriptions[3] = dbus::subscribe(bus, "org.gnome.SessionManager", "org.gnome.SessionManager", "InhibitorRemoved",
                                       "/org/gnome/SessionManager", signalled, this);
}

DesktopSession::~DesktopSession() {
    for (guint& id : subscriptions) dbus::unsubscribe(bus, id);
}

bool DesktopSession::locked() {
    return gnomeScreenSaverActive(bus) || (!ownService.owned() && freedesktopScreenSaverActive(bus));
}

std::string DesktopSession::inhibitor() {
    if (dbus::boolReply(dbus::call(bus, "org.gnome.SessionManager", "/org/gnome/SessionManager",
                                   "org.gnome.SessionManager", "IsInhibited", g_variant_new("(u)", gnomeInhibitIdle),
                                   "(b)"))) {
        return "GNOME's session manager";
    }
    if (dbus::boolReply(dbus::call(bus, "org.kde.Solid.PowerManagement.PolicyAgent",
                                   "/org/kde/Solid/PowerManagement/PolicyAgent",
                                   "org.kde.Solid.PowerManagement.PolicyAgent", "HasInhibition",
                                   g_variant_new("(u)", plasmaChangeScreenSettings), "(b)"))) {
        return "Plasma's power management";
    }
    return "";
}

void DesktopSession::signalled(GDBusConnection* connection, const gchar* sender, const gchar*, const gchar*,
                               const gchar* member, GVariant* parameters, gpointer data) {
    auto* self = static_cast<DesktopSession*>(data);
    if (std::strcmp(member, "ActiveChanged") == 0) {
        // Our own service's signal comes from our own connection's name.
        const gchar* ours = g_dbus_connection_get_unique_name(connection);
        if (sender && ours && std::strcmp(sender, ours) == 0) return;
        gboolean active = FALSE;
        g_variant_get(parameters, "(b)", &active);
        if (active) self->events.hidden("the desktop's lock screen came up");
        else self->events.changed();
    } else if (std::strcmp(member, "PropertiesChanged") == 0) {
        GVariant* changed = g_variant_get_child_value(parameters, 1);
        if (displaysPowerSaving(changed)) self->events.hidden("the displays were put to sleep");
        else self->events.changed();
        g_variant_unref(changed);
    } else {
        self->events.changed();  // an inhibitor went
    }
}
