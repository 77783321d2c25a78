// The desktop's own timers, read where each desktop keeps them: GNOME's real
// schemas through GSettings' memory backend (nothing of the user's is read or
// written), KDE Plasma's and Xfce's files in a configuration folder of the
// test's own.
#include "desktop_timers.h"

#define G_SETTINGS_ENABLE_BACKEND  // the memory backend, to tell it is the one in use
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>

#include "common/temp_dir.h"
#include "support/environment_value.h"

namespace {

// GNOME's session settings on the memory backend; null (the test skips)
// where the schemas are missing or another backend was chosen before.
GSettings* memorySettings(const char* schemaId) {
    setenv("GSETTINGS_BACKEND", "memory", 1);
    GSettingsBackend* backend = g_settings_backend_get_default();
    const bool memory = std::string(G_OBJECT_TYPE_NAME(backend)) == "GMemorySettingsBackend";
    g_object_unref(backend);
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, schemaId, TRUE) : nullptr;
    if (!schema || !memory) return nullptr;
    g_settings_schema_unref(schema);
    return g_settings_new(schemaId);
}

constexpr const char* xfceScreensaver = R"(<?xml version="1.0" encoding="UTF-8"?>
<channel name="xfce4-screensaver" version="1.0">
  <property name="saver" type="empty">
    <property name="idle-activation" type="empty">
      <property name="delay" type="int" value="7"/>
    </property>
  </property>
  <property name="lock" type="empty">
    <property name="enabled" type="bool" value="false"/>
  </property>
</channel>
)";

}  // namespace

TEST(DesktopTimers, EachDesktopIsReadWhereItKeepsItsTimers) {
    GSettings* session = memorySettings("org.gnome.desktop.session");
    GSettings* screensaver = memorySettings("org.gnome.desktop.screensaver");
    if (!session || !screensaver) GTEST_SKIP() << "no GNOME schemas (gsettings-desktop-schemas) on a memory backend";
    const Value savedDesktop = get("XDG_CURRENT_DESKTOP"), savedConfig = get("XDG_CONFIG_HOME");
    TempDir dir;
    put("XDG_CONFIG_HOME", dir.path());
    const struct {
        const char* why;
        Value currentDesktop;
        int gnomeIdleDelay;  // -1: the schema's default, not the user's
        bool gnomeLock;
        std::string kscreenlockerrc, powerdevilrc, xfceScreensaver;  // empty: no file
        DesktopKind desktop;
        uint32_t seconds;
        std::string action;
    } cases[] = {
        {"GNOME's idle-delay blanks and locks", "ubuntu:GNOME", 300, true, "", "", "", DesktopKind::gnome, 300,
         "blanks and locks the screen"},
        {"GNOME without its lock", "GNOME", 600, false, "", "", "", DesktopKind::gnome, 600, "blanks the screen"},
        {"GNOME never blanks", "GNOME", 0, true, "", "", "", DesktopKind::gnome, 0, ""},
        {"Plasma's defaults", "KDE", -1, true, "", "", "", DesktopKind::plasma, 300, "locks the screen"},
        {"Plasma's lock first", "KDE", -1, true, "[Daemon]\nTimeout=3\n",
         "[AC][Display]\nTurnOffDisplayIdleTimeoutSec=600\n", "", DesktopKind::plasma, 180, "locks the screen"},
        {"Plasma's display on AC, no lock", "KDE", -1, true, "[Daemon]\nAutolock=false\nTimeout=3\n",
         "[AC][Display]\nTurnOffDisplayIdleTimeoutSec=120\n[Battery][Display]\nTurnOffDisplayIdleTimeoutSec=60\n", "",
         DesktopKind::plasma, 120, "turns the screen off"},
        {"Plasma never", "KDE", -1, true, "[Daemon][$i]\nAutolock[$i]=false\n",
         "[AC][Display]\nTurnOffDisplayWhenIdle=false\nTurnOffDisplayIdleTimeoutSec=-1\n", "", DesktopKind::plasma,
         0, ""},
        {"Xfce's screensaver", "XFCE", -1, true, "", "", xfceScreensaver, DesktopKind::xfce, 420,
         "starts its screensaver"},
        {"no desktop named: Plasma's files", std::nullopt, 600, true, "[Daemon]\nTimeout=4\n", "", "",
         DesktopKind::plasma, 240, "locks the screen"},
        {"no desktop named: GNOME's own value", std::nullopt, 240, false, "", "", "", DesktopKind::gnome, 240,
         "blanks the screen"},
        {"no desktop named, GNOME's defaults only", std::nullopt, -1, true, "", "", "", DesktopKind::none, 0, ""},
        {"a desktop of none of ours", "sway", 240, false, "", "", "", DesktopKind::none, 0, ""},
    };
    const std::string xfconf = dir.path() + "/xfce4/xfconf/xfce-perchannel-xml/xfce4-screensaver.xml";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        for (const char* name : {"kscreenlockerrc", "powerdevilrc"}) std::filesystem::remove(dir.path() + "/" + name);
        std::filesystem::remove(xfconf);
        if (!c.kscreenlockerrc.empty()) dir.write("kscreenlockerrc", c.kscreenlockerrc);
        if (!c.powerdevilrc.empty()) dir.write("powerdevilrc", c.powerdevilrc);
        if (!c.xfceScreensaver.empty()) dir.write("xfce4/xfconf/xfce-perchannel-xml/xfce4-screensaver.xml", c.xfceScreensaver);
        if (c.gnomeIdleDelay < 0) g_settings_reset(session, "idle-delay");
        else g_settings_set_uint(session, "idle-delay", static_cast<guint>(c.gnomeIdleDelay));
        g_settings_set_boolean(screensaver, "lock-enabled", c.gnomeLock);
        put("XDG_CURRENT_DESKTOP", c.currentDesktop);
        const DesktopTimers timers = readDesktopTimers();
        EXPECT_EQ(timers.desktop, c.desktop);
        EXPECT_EQ(timers.seconds, c.seconds);
        EXPECT_EQ(timers.action, c.action);
    }
    // The dialog's fix changes GNOME's idle-delay; Plasma's is not ours to change.
    std::string error;
    EXPECT_TRUE(setDesktopIdleDelay(DesktopKind::gnome, 900, error)) << error;
    EXPECT_EQ(g_settings_get_uint(session, "idle-delay"), 900u);
    EXPECT_FALSE(setDesktopIdleDelay(DesktopKind::plasma, 900, error));
    put("XDG_CURRENT_DESKTOP", savedDesktop);
    put("XDG_CONFIG_HOME", savedConfig);
    g_object_unref(session);
    g_object_unref(screensaver);
}
