#include "session_state.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gio/gio.h>
#include <unistd.h>

namespace {

constexpr int callTimeoutMs = 2000;

// The reply of a call, or null (no such service, no answer in time).
GVariant* call(GDBusConnection* bus, const char* name, const char* path, const char* interface, const char* method,
               GVariant* parameters, const char* replyType) {
    if (!bus) {
        if (parameters) g_variant_unref(g_variant_ref_sink(parameters));
        return nullptr;
    }
    return g_dbus_connection_call_sync(bus, name, path, interface, method, parameters, G_VARIANT_TYPE(replyType),
                                       G_DBUS_CALL_FLAGS_NO_AUTO_START, callTimeoutMs, nullptr, nullptr);
}

bool boolReply(GVariant* reply) {
    if (!reply) return false;
    gboolean value = FALSE;
    g_variant_get(reply, "(b)", &value);
    g_variant_unref(reply);
    return value;
}

bool logindLocked(GDBusConnection* systemBus) {
    GVariant* session = call(systemBus, "org.freedesktop.login1", "/org/freedesktop/login1",
                             "org.freedesktop.login1.Manager", "GetSessionByPID",
                             g_variant_new("(u)", static_cast<guint32>(getpid())), "(o)");
    if (!session) return false;
    const gchar* path = nullptr;
    g_variant_get(session, "(&o)", &path);
    GVariant* property = call(systemBus, "org.freedesktop.login1", path, "org.freedesktop.DBus.Properties", "Get",
                              g_variant_new("(ss)", "org.freedesktop.login1.Session", "LockedHint"), "(v)");
    g_variant_unref(session);
    if (!property) return false;
    GVariant* value = nullptr;
    g_variant_get(property, "(v)", &value);
    const bool locked = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
    g_variant_unref(value);
    g_variant_unref(property);
    return locked;
}

bool nameOwned(GDBusConnection* bus, const char* name) {
    return boolReply(call(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                          "NameHasOwner", g_variant_new("(s)", name), "(b)"));
}

bool hasStringProperty(::Display* display, Window window, Atom property) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool has = XGetWindowProperty(display, window, property, 0, 16, False, XA_STRING, &type, &format, &count,
                                        &after, &data) == Success &&
                     type == XA_STRING;
    if (data) XFree(data);
    return has;
}

// XScreenSaver's daemon marks a window of its own, a child of the root, with
// its version (where xscreensaver-command looks for it).
bool xscreensaverRuns() {
    ::Display* display = XOpenDisplay(nullptr);
    if (!display) return false;
    bool runs = false;
    const Atom version = XInternAtom(display, "_SCREENSAVER_VERSION", True);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (version != None && XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !runs; ++i) runs = hasStringProperty(display, children[i], version);
    }
    if (children) XFree(children);
    XCloseDisplay(display);
    return runs;
}

}  // namespace

bool sessionLocked(GDBusConnection* sessionBus, GDBusConnection* systemBus) {
    if (logindLocked(systemBus)) return true;
    return boolReply(call(sessionBus, "org.gnome.ScreenSaver", "/org/gnome/ScreenSaver", "org.gnome.ScreenSaver",
                          "GetActive", nullptr, "(b)")) ||
           boolReply(call(sessionBus, "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                          "org.freedesktop.ScreenSaver", "GetActive", nullptr, "(b)"));
}

const char* screensaverDaemon(GDBusConnection* sessionBus) {
    if (xscreensaverRuns()) return "XScreenSaver";
    if (nameOwned(sessionBus, "org.mate.ScreenSaver")) return "MATE's screensaver";
    if (nameOwned(sessionBus, "org.xfce.ScreenSaver")) return "Xfce's screensaver";
    return nullptr;
}
