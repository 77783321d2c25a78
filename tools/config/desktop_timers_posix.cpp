// Reads the desktop's timers where they are kept: GSettings for GNOME and
// Cinnamon (only schemas that are installed: asking GSettings for a missing
// schema or key aborts the program), the configuration files of KDE Plasma
// and Xfce (missing or damaged ones count as unset).
#include "desktop_timers.h"

#include <gio/gio.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

constexpr std::size_t maxSettingsFileBytes = 1024 * 1024;

struct SessionSchemas {
    const char* session;      // idle-delay
    const char* screensaver;  // lock-enabled, lock-delay
};
constexpr SessionSchemas gnomeSchemas{"org.gnome.desktop.session", "org.gnome.desktop.screensaver"};
constexpr SessionSchemas cinnamonSchemas{"org.cinnamon.desktop.session", "org.cinnamon.desktop.screensaver"};

const SessionSchemas& schemasOf(DesktopKind desktop) {
    return desktop == DesktopKind::cinnamon ? cinnamonSchemas : gnomeSchemas;
}

std::string configHome() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    if (config && config[0] == '/') return config;
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/.config" : "";
}

std::string xfconfFolder() {
    return configHome() + "/xfce4/xfconf/xfce-perchannel-xml/";
}

bool isFile(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

// The text of a settings file; empty when it is missing or no regular file.
std::string fileText(const std::string& path) {
    if (!isFile(path)) return "";
    std::ifstream in(path, std::ios::binary);
    std::string text;
    char buffer[4096];
    while (in && text.size() < maxSettingsFileBytes) {
        in.read(buffer, sizeof buffer);
        text.append(buffer, static_cast<std::size_t>(in.gcount()));
    }
    return text;
}

// The schema `id` when it is installed; the caller unrefs it.
GSettingsSchema* installedSchema(const char* id) {
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    return source ? g_settings_schema_source_lookup(source, id, TRUE) : nullptr;
}

// The value of `key` in schema `id`; null when either is not installed, or,
// with `userOnly`, when the user never set it. The caller unrefs it.
GVariant* settingValue(const char* id, const char* key, bool userOnly) {
    GSettingsSchema* schema = installedSchema(id);
    if (!schema) return nullptr;
    GVariant* value = nullptr;
    if (g_settings_schema_has_key(schema, key)) {
        GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
        value = userOnly ? g_settings_get_user_value(settings, key) : g_settings_get_value(settings, key);
        g_object_unref(settings);
    }
    g_settings_schema_unref(schema);
    return value;
}

// Seconds as GNOME keeps them (uint32); a signed one is taken too.
uint32_t secondsOf(GVariant* value) {
    if (!value) return 0;
    uint32_t seconds = 0;
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_UINT32)) seconds = g_variant_get_uint32(value);
    if (g_variant_is_of_type(value, G_VARIANT_TYPE_INT32)) seconds = static_cast<uint32_t>(std::max(0, g_variant_get_int32(value)));
    g_variant_unref(value);
    return seconds;
}

bool flagOf(GVariant* value) {
    if (!value) return false;
    const bool on = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) && g_variant_get_boolean(value);
    g_variant_unref(value);
    return on;
}

DesktopTimers gnomeLikeTimers(DesktopKind desktop) {
    const SessionSchemas& schemas = schemasOf(desktop);
    GnomeSettings settings;
    settings.idleDelay = secondsOf(settingValue(schemas.session, "idle-delay", false));
    settings.lockEnabled = flagOf(settingValue(schemas.screensaver, "lock-enabled", false));
    settings.lockDelay = secondsOf(settingValue(schemas.screensaver, "lock-delay", false));
    return gnomeTimers(desktop, settings);
}

// An xfconf file's properties, nested <property name=...> elements, by path.
struct XfconfParse {
    std::vector<std::string> path;
    XfconfValues values;
};

void startElement(GMarkupParseContext*, const gchar* element, const gchar** names, const gchar** values,
                  gpointer data, GError**) {
    if (std::strcmp(element, "property") != 0) return;
    auto* parse = static_cast<XfconfParse*>(data);
    const char* name = "";
    const char* value = nullptr;
    for (int i = 0; names[i]; ++i) {
        if (std::strcmp(names[i], "name") == 0) name = values[i];
        if (std::strcmp(names[i], "value") == 0) value = values[i];
    }
    parse->path.push_back(name);
    if (!value) return;
    std::string key;
    for (const std::string& part : parse->path) key += "/" + part;
    parse->values[key] = value;
}

void endElement(GMarkupParseContext*, const gchar* element, gpointer data, GError**) {
    auto* parse = static_cast<XfconfParse*>(data);
    if (std::strcmp(element, "property") == 0 && !parse->path.empty()) parse->path.pop_back();
}

// Nothing from a file that is missing or not well formed.
XfconfValues xfconfValues(const std::string& path) {
    const std::string text = fileText(path);
    if (text.empty()) return {};
    const GMarkupParser parser = {startElement, endElement, nullptr, nullptr, nullptr};
    XfconfParse parse;
    GMarkupParseContext* context = g_markup_parse_context_new(&parser, GMarkupParseFlags(0), &parse, nullptr);
    const bool parsed = g_markup_parse_context_parse(context, text.data(), static_cast<gssize>(text.size()), nullptr) &&
                        g_markup_parse_context_end_parse(context, nullptr);
    g_markup_parse_context_free(context);
    return parsed ? parse.values : XfconfValues{};
}

bool userSetIdleDelay(DesktopKind desktop) {
    GVariant* value = settingValue(schemasOf(desktop).session, "idle-delay", true);
    if (value) g_variant_unref(value);
    return value != nullptr;
}

// Without XDG_CURRENT_DESKTOP: the first desktop whose settings the user has.
// GSettings' defaults say nothing, as the schemas are installed almost
// everywhere.
DesktopKind foundDesktop() {
    const std::string config = configHome();
    if (!config.empty()) {
        if (isFile(config + "/kscreenlockerrc") || isFile(config + "/powerdevilrc")) return DesktopKind::plasma;
        if (isFile(xfconfFolder() + "xfce4-screensaver.xml") || isFile(xfconfFolder() + "xfce4-power-manager.xml")) {
            return DesktopKind::xfce;
        }
    }
    if (userSetIdleDelay(DesktopKind::cinnamon)) return DesktopKind::cinnamon;
    if (userSetIdleDelay(DesktopKind::gnome)) return DesktopKind::gnome;
    return DesktopKind::none;
}

}  // namespace

DesktopTimers readDesktopTimers() {
    const char* list = std::getenv("XDG_CURRENT_DESKTOP");
    const DesktopKind desktop = list && *list ? desktopFromList(list) : foundDesktop();
    const std::string config = configHome();
    switch (desktop) {
    case DesktopKind::gnome:
    case DesktopKind::cinnamon:
        return gnomeLikeTimers(desktop);
    case DesktopKind::plasma:
        if (config.empty()) return plasmaTimers("", "");
        return plasmaTimers(fileText(config + "/kscreenlockerrc"), fileText(config + "/powerdevilrc"));
    case DesktopKind::xfce:
        if (config.empty()) return xfceTimers({}, {});
        return xfceTimers(xfconfValues(xfconfFolder() + "xfce4-screensaver.xml"),
                          xfconfValues(xfconfFolder() + "xfce4-power-manager.xml"));
    default:
        return {};
    }
}

namespace {

// idle-delay as its schema types it (uint32 in GNOME's); null for another type.
GVariant* idleDelayValue(GSettingsSchemaKey* key, uint32_t seconds) {
    const GVariantType* type = g_settings_schema_key_get_value_type(key);
    if (g_variant_type_equal(type, G_VARIANT_TYPE_UINT32)) return g_variant_ref_sink(g_variant_new_uint32(seconds));
    if (g_variant_type_equal(type, G_VARIANT_TYPE_INT32)) {
        return g_variant_ref_sink(g_variant_new_int32(static_cast<gint32>(std::min<uint32_t>(seconds, G_MAXINT32))));
    }
    return nullptr;
}

bool writeIdleDelay(GSettingsSchema* schema, uint32_t seconds, std::string& error) {
    GSettingsSchemaKey* key = g_settings_schema_get_key(schema, "idle-delay");
    GVariant* value = idleDelayValue(key, seconds);
    GSettings* settings = g_settings_new_full(schema, nullptr, nullptr);
    bool written = false;
    if (!value || !g_settings_schema_key_range_check(key, value)) {
        error = "idle-delay does not take " + std::to_string(seconds) + " seconds";
    } else if (!g_settings_is_writable(settings, "idle-delay")) {
        error = "idle-delay is locked by the administrator";
    } else {
        written = g_settings_set_value(settings, "idle-delay", value);
        if (!written) error = "idle-delay could not be changed";
    }
    g_settings_sync();  // written before the program ends
    g_object_unref(settings);
    if (value) g_variant_unref(value);
    g_settings_schema_key_unref(key);
    return written;
}

}  // namespace

bool setDesktopIdleDelay(DesktopKind desktop, uint32_t seconds, std::string& error) {
    if (!desktopTimeSettable(desktop)) {
        error = std::string(desktopName(desktop)) + "'s time is not changed from here";
        return false;
    }
    const char* id = schemasOf(desktop).session;
    GSettingsSchema* schema = installedSchema(id);
    if (!schema || !g_settings_schema_has_key(schema, "idle-delay")) {
        error = std::string(id) + " idle-delay is not installed";
        if (schema) g_settings_schema_unref(schema);
        return false;
    }
    const bool written = writeIdleDelay(schema, seconds, error);
    g_settings_schema_unref(schema);
    return written;
}
