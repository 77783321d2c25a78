// fake-screensaver FILE: a desktop's screensaver interface on the session bus
// (org.gnome.ScreenSaver, as GNOME Shell offers it; KWin keeps the
// freedesktop one for itself) whose GetActive says true while FILE exists: a
// lock screen the tests switch on and off. Prints "ready" once it owns the
// name; runs until killed.
#include <gio/gio.h>

#include <cstdio>

namespace {

const char* lockFile = nullptr;

const char introspection[] =
    "<node><interface name='org.gnome.ScreenSaver'>"
    "<method name='GetActive'><arg type='b' direction='out'/></method>"
    "</interface></node>";

void call(GDBusConnection*, const gchar*, const gchar*, const gchar*, const gchar*, GVariant*,
          GDBusMethodInvocation* invocation, gpointer) {
    g_dbus_method_invocation_return_value(invocation, g_variant_new("(b)", g_file_test(lockFile, G_FILE_TEST_EXISTS)));
}

void acquired(GDBusConnection*, const gchar*, gpointer) {
    std::puts("ready");
    std::fflush(stdout);
}

void busAcquired(GDBusConnection* bus, const gchar*, gpointer) {
    static const GDBusInterfaceVTable table = {call, nullptr, nullptr, {}};
    GDBusNodeInfo* node = g_dbus_node_info_new_for_xml(introspection, nullptr);
    g_dbus_connection_register_object(bus, "/org/gnome/ScreenSaver", node->interfaces[0], &table, nullptr,
                                      nullptr, nullptr);
    g_dbus_node_info_unref(node);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fake-screensaver FILE\n");
        return 2;
    }
    lockFile = argv[1];
    g_bus_own_name(G_BUS_TYPE_SESSION, "org.gnome.ScreenSaver", G_BUS_NAME_OWNER_FLAGS_NONE, busAcquired,
                   acquired, nullptr, nullptr, nullptr);
    g_main_loop_run(g_main_loop_new(nullptr, FALSE));
}
