#include "screensaver_service.h"

#include <initializer_list>

namespace {

constexpr const char* serviceName = "org.freedesktop.ScreenSaver";
constexpr const char* interfaceXml = R"(<node>
  <interface name="org.freedesktop.ScreenSaver">
    <method name="Inhibit">
      <arg type="s" name="application_name" direction="in"/>
      <arg type="s" name="reason_for_inhibit" direction="in"/>
      <arg type="u" name="cookie" direction="out"/>
    </method>
    <method name="UnInhibit"><arg type="u" name="cookie" direction="in"/></method>
    <method name="GetActive"><arg type="b" direction="out"/></method>
    <method name="SimulateUserActivity"/>
    <signal name="ActiveChanged"><arg type="b"/></signal>
  </interface>
</node>)";
constexpr const char* paths[] = {"/org/freedesktop/ScreenSaver", "/ScreenSaver"};

// Desktops whose session offers the interface itself (gnome-settings-daemon's
// proxy, KDE's, MATE's, Xfce's, Cinnamon's), perhaps a little after the
// watcher starts: there the name is theirs to take, never ours to hold.
bool desktopOffersItsOwn() {
    const char* current = g_getenv("XDG_CURRENT_DESKTOP");
    if (!current) return false;
    gchar** names = g_strsplit(current, ":", -1);
    bool offers = false;
    for (gchar** name = names; *name && !offers; ++name) {
        for (const char* desktop : {"GNOME", "KDE", "MATE", "XFCE", "X-Cinnamon", "Cinnamon", "Unity", "Budgie"}) {
            if (g_ascii_strcasecmp(*name, desktop) == 0) offers = true;
        }
    }
    g_strfreev(names);
    return offers;
}

// A service the bus starts on the first call belongs to someone else too.
bool activatable(GDBusConnection* bus) {
    GVariant* reply = g_dbus_connection_call_sync(bus, "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                                  "org.freedesktop.DBus", "ListActivatableNames", nullptr,
                                                  G_VARIANT_TYPE("(as)"), G_DBUS_CALL_FLAGS_NONE, 2000, nullptr,
                                                  nullptr);
    if (!reply) return false;
    GVariantIter* names = nullptr;
    const gchar* name = nullptr;
    bool found = false;
    g_variant_get(reply, "(as)", &names);
    while (!found && g_variant_iter_next(names, "&s", &name)) found = g_strcmp0(name, serviceName) == 0;
    g_variant_iter_free(names);
    g_variant_unref(reply);
    return found;
}

GDBusInterfaceInfo* interfaceInfo() {
    static GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(interfaceXml, nullptr);
    return node->interfaces[0];
}

}  // namespace

ScreenSaverService::ScreenSaverService(GDBusConnection* bus, std::function<void()> changed)
    : bus(bus), changed(std::move(changed)) {
    if (!bus || desktopOffersItsOwn() || activatable(bus)) return;
    static const GDBusInterfaceVTable vtable = {methodCall, nullptr, nullptr, {}};
    for (int i = 0; i < 2; ++i) {
        objects[i] = g_dbus_connection_register_object(bus, paths[i], interfaceInfo(), &vtable, this, nullptr,
                                                       nullptr);
    }
    // Never queued: a desktop that starts its own later asks to replace us.
    ownerId = g_bus_own_name_on_connection(
        bus, serviceName,
        static_cast<GBusNameOwnerFlags>(G_BUS_NAME_OWNER_FLAGS_ALLOW_REPLACEMENT | G_BUS_NAME_OWNER_FLAGS_DO_NOT_QUEUE),
        [](GDBusConnection*, const gchar*, gpointer data) { static_cast<ScreenSaverService*>(data)->holdsName = true; },
        [](GDBusConnection*, const gchar*, gpointer data) {
            auto* self = static_cast<ScreenSaverService*>(data);
            const bool hadInhibits = !self->inhibits.empty();
            self->holdsName = false;
            while (!self->inhibits.empty()) self->uninhibit(self->inhibits.begin()->first);
            if (hadInhibits) self->changed();
        },
        this, nullptr);
}

ScreenSaverService::~ScreenSaverService() {
    for (auto& [sender, watch] : senderWatches) g_bus_unwatch_name(watch);
    if (ownerId) g_bus_unown_name(ownerId);
    for (guint object : objects) {
        if (object) g_dbus_connection_unregister_object(bus, object);
    }
}

std::string ScreenSaverService::inhibitor() const {
    return inhibits.empty() ? "" : inhibits.begin()->second.application;
}

void ScreenSaverService::setActive(bool nowActive) {
    if (active == nowActive) return;
    active = nowActive;
    if (!holdsName) return;
    for (const char* path : paths) {
        g_dbus_connection_emit_signal(bus, nullptr, path, serviceName, "ActiveChanged", g_variant_new("(b)", active),
                                      nullptr);
    }
}

void ScreenSaverService::methodCall(GDBusConnection*, const gchar* sender, const gchar*, const gchar*,
                                    const gchar* method, GVariant* parameters, GDBusMethodInvocation* invocation,
                                    gpointer data) {
    auto* self = static_cast<ScreenSaverService*>(data);
    const std::string name = method;
    if (name == "Inhibit") {
        const gchar* application = nullptr;
        const gchar* reason = nullptr;
        g_variant_get(parameters, "(&s&s)", &application, &reason);
        const uint32_t cookie = self->nextCookie++;
        self->inhibits[cookie] = {sender ? sender : "", application};
        if (sender) self->watchSender(sender);
        g_dbus_method_invocation_return_value(invocation, g_variant_new("(u)", cookie));
    } else if (name == "UnInhibit") {
        guint32 cookie = 0;
        g_variant_get(parameters, "(u)", &cookie);
        const bool last = self->inhibits.size() == 1 && self->inhibits.count(cookie) == 1;
        self->uninhibit(cookie);
        g_dbus_method_invocation_return_value(invocation, nullptr);
        if (last) self->changed();
    } else if (name == "GetActive") {
        g_dbus_method_invocation_return_value(invocation, g_variant_new("(b)", self->active));
    } else {
        g_dbus_method_invocation_return_value(invocation, nullptr);  // SimulateUserActivity: input ends the show anyway
    }
}

void ScreenSaverService::uninhibit(uint32_t cookie) {
    const auto found = inhibits.find(cookie);
    if (found == inhibits.end()) return;
    const std::string sender = found->second.sender;
    inhibits.erase(found);
    for (const auto& [other, inhibit] : inhibits) {
        if (inhibit.sender == sender) return;
    }
    const auto watch = senderWatches.find(sender);
    if (watch == senderWatches.end()) return;
    g_bus_unwatch_name(watch->second);
    senderWatches.erase(watch);
}

// A caller that leaves the bus (a browser closed, a player that crashed) takes
// its inhibits with it.
void ScreenSaverService::watchSender(const std::string& sender) {
    if (senderWatches.count(sender)) return;
    senderWatches[sender] = g_bus_watch_name_on_connection(
        bus, sender.c_str(), G_BUS_NAME_WATCHER_FLAGS_NONE, nullptr,
        [](GDBusConnection*, const gchar* gone, gpointer data) {
            static_cast<ScreenSaverService*>(data)->forgetSender(gone);
        },
        this, nullptr);
}

void ScreenSaverService::forgetSender(const std::string& sender) {
    bool any = false;
    for (auto it = inhibits.begin(); it != inhibits.end();) {
        if (it->second.sender == sender) {
            it = inhibits.erase(it);
            any = true;
        } else {
            ++it;
        }
    }
    const auto watch = senderWatches.find(sender);
    if (watch != senderWatches.end()) {
        g_bus_unwatch_name(watch->second);
        senderWatches.erase(watch);
    }
    if (any && inhibits.empty()) changed();
}
