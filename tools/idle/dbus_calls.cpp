#include "dbus_calls.h"

namespace dbus {

GVariant* call(GDBusConnection* bus, const char* name, const char* path, const char* interface, const char* method,
               GVariant* parameters, const char* replyType) {
    if (!bus) {
        if (parameters) g_variant_unref(g_variant_ref_sink(parameters));
        return nullptr;
    }
    return g_dbus_connection_call_sync(bus, name, path, interface, method, parameters,
                                       replyType ? G_VARIANT_TYPE(replyType) : nullptr,
                                       G_DBUS_CALL_FLAGS_NO_AUTO_START, callTimeoutMs, nullptr, nullptr);
}

bool boolReply(GVariant* reply) {
    if (!reply) return false;
    gboolean value = FALSE;
    g_variant_get(reply, "(b)", &value);
    g_variant_unref(reply);
    return value;
}

bool nameOwned(GDBusConnection* bus, const char* name) {
    return boolReply(call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", g_variant_new("(s)", name), "(b)"));
}

GVariant* property(GDBusConnection* bus, const char* name, const char* path, const char* interface,
                   const char* property) {
    GVariant* reply = call(bus, name, path, "org.freedesktop.DBus.Properties", "Get",
                           g_variant_new("(ss)", interface, property), "(v)");
    if (!reply) return nullptr;
    GVariant* value = nullptr;
    g_variant_get(reply, "(v)", &value);
    g_variant_unref(reply);
    return value;
}

guint subscribe(GDBusConnection* bus, const char* sender, const char* interface, const char* member,
                const char* path, GDBusSignalCallback callback, gpointer data) {
    if (!bus) return 0;
    return g_dbus_connection_signal_subscribe(bus, sender, interface, member, path, nullptr, G_DBUS_SIGNAL_FLAGS_NONE,
                                              callback, data, nullptr);
}

void unsubscribe(GDBusConnection* bus, guint& id) {
    if (bus && id) g_dbus_connection_signal_unsubscribe(bus, id);
    id = 0;
}

}  // namespace dbus
