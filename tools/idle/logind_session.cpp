#include "logind_session.h"

#include <cstring>

#include "dbus_calls.h"

namespace {

constexpr const char* logind = "org.freedesktop.login1";
constexpr const char* managerPath = "/org/freedesktop/login1";
constexpr const char* managerInterface = "org.freedesktop.login1.Manager";
constexpr const char* sessionInterface = "org.freedesktop.login1.Session";

std::string findSession(GDBusConnection* bus) {
    const char* id = g_getenv("XDG_SESSION_ID");
    GVariant* reply = dbus::call(bus, logind, managerPath, managerInterface, "GetSession",
                                 g_variant_new("(s)", id && *id ? id : "auto"), "(o)");
    if (!reply) return "";
    const gchar* path = nullptr;
    g_variant_get(reply, "(&o)", &path);
    std::string found = path;
    g_variant_unref(reply);
    return found;
}

// "idle", "sleep:idle" or "shutdown:sleep:idle:handle-lid-switch" hold idle off.
bool namesIdle(const char* list) {
    std::string words = std::string(":") + list + ":";
    return words.find(":idle:") != std::string::npos;
}

}  // namespace

LogindSession::LogindSession(GDBusConnection* systemBus, SessionEvents& events) : bus(systemBus), events(events) {
    sessionPath = findSession(bus);
    subscriptions[0] = dbus::subscribe(bus, logind, managerInterface, "PrepareForSleep", managerPath, signalled, this);
    subscriptions[1] = dbus::subscribe(bus, logind, managerInterface, "SessionRemoved", managerPath, signalled, this);
    if (sessionPath.empty()) return;
    const char* path = sessionPath.c_str();
    subscriptions[2] = dbus::subscribe(bus, logind, sessionInterface, "Lock", path, signalled, this);
    subscriptions[3] = dbus::subscribe(bus, logind, sessionInterface, "Unlock", path, signalled, this);
    subscriptions[4] =
        dbus::subscribe(bus, logind, "org.freedesktop.DBus.Properties", "PropertiesChanged", path, signalled, this);
}

LogindSession::~LogindSession() {
    for (guint& id : subscriptions) dbus::unsubscribe(bus, id);
}

bool LogindSession::locked() {
    if (sessionPath.empty()) return false;
    GVariant* value = dbus::property(bus, logind, sessionPath.c_str(), sessionInterface, "LockedHint");
    if (!value) return false;
    const bool result = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
    g_variant_unref(value);
    return result;
}

bool LogindSession::idleInhibited() {
    GVariant* value = dbus::property(bus, logind, managerPath, managerInterface, "BlockInhibited");
    if (!value) return false;
    const bool result = g_variant_is_of_type(value, G_VARIANT_TYPE_STRING) && namesIdle(g_variant_get_string(value, nullptr));
    g_variant_unref(value);
    return result;
}

void LogindSession::signalled(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar* member,
                              GVariant* parameters, gpointer data) {
    auto* self = static_cast<LogindSession*>(data);
    if (std::strcmp(member, "Lock") == 0) {
        self->events.hidden("the session was locked");
    } else if (std::strcmp(member, "Unlock") == 0) {
        self->events.changed();
    } else if (std::strcmp(member, "PrepareForSleep") == 0) {
        gboolean sleeping = FALSE;
        g_variant_get(parameters, "(b)", &sleeping);
        if (sleeping) self->events.hidden("the system is going to sleep");
        else self->events.changed();
    } else if (std::strcmp(member, "SessionRemoved") == 0) {
        const gchar* id = nullptr;
        const gchar* path = nullptr;
        g_variant_get(parameters, "(&s&o)", &id, &path);
        if (self->sessionPath == path) self->events.ended();
    } else if (std::strcmp(member, "PropertiesChanged") == 0) {
        self->sessionPropertiesChanged(parameters);
    }
}

void LogindSession::sessionPropertiesChanged(GVariant* parameters) {
    GVariant* changed = g_variant_get_child_value(parameters, 1);
    gboolean lockedHint = FALSE;
    if (g_variant_lookup(changed, "LockedHint", "b", &lockedHint)) {
        if (lockedHint) events.hidden("the session was locked");
        else events.changed();
    }
    g_variant_unref(changed);
}
