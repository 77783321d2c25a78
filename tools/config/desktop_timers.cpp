#include "desktop_timers.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <sstream>

namespace {

struct ScreenTimer {
    uint64_t seconds;  // 0: off
    const char* action;
};

// The shortest timer that is on.
DesktopTimers shortest(DesktopKind desktop, std::initializer_list<ScreenTimer> timers) {
    DesktopTimers result;
    result.desktop = desktop;
    for (const ScreenTimer& timer : timers) {
        if (timer.seconds == 0 || (result.seconds != 0 && timer.seconds >= result.seconds)) continue;
        result.seconds = static_cast<uint32_t>(std::min<uint64_t>(timer.seconds, UINT32_MAX));
        result.action = timer.action;
    }
    return result;
}

std::string lowered(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") + 1 - first);
}

// A group line of KDE's configuration files: "[AC][Display]" is "AC/Display";
// markers such as "[$i]" are not part of the name. Nothing when malformed.
std::optional<std::string> kdeGroup(const std::string& line) {
    std::string name;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t close = line.find(']', at);
        if (line[at] != '[' || close == std::string::npos) return std::nullopt;
        const std::string part = line.substr(at + 1, close - at - 1);
        if (part.empty() || part[0] != '$') name += (name.empty() ? "" : "/") + part;
        at = close + 1;
    }
    return name;
}

// The value of `key` in `group` ("AC/Display") of a KDE configuration file's
// text: GLib's key files refuse its nested group names. The last line wins;
// a key with a marker ("Timeout[$i]") counts, a translated one ("[de]") not.
std::optional<std::string> kdeValue(const std::string& text, const std::string& group, const std::string& key) {
    std::optional<std::string> value;
    std::optional<std::string> current = "";
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            current = kdeGroup(line);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (!current || *current != group || equals == std::string::npos) continue;
        std::string name = trimmed(line.substr(0, equals));
        const std::size_t marker = name.find('[');
        if (marker != std::string::npos && name.compare(marker, 2, "[$") != 0) continue;
        if (name.substr(0, marker) == key) value = trimmed(line.substr(equals + 1));
    }
    return value;
}

bool flag(const std::optional<std::string>& value, bool unset) {
    if (!value) return unset;
    const std::string word = lowered(*value);
    if (word == "true" || word == "1" || word == "yes" || word == "on") return true;
    if (word == "false" || word == "0" || word == "no" || word == "off") return false;
    return unset;
}

long number(const std::optional<std::string>& value, long unset) {
    if (!value || value->empty()) return unset;
    char* end = nullptr;
    const long parsed = std::strtol(value->c_str(), &end, 10);
    return *end == '\0' ? parsed : unset;
}

std::optional<std::string> xfconf(const XfconfValues& values, const char* path) {
    const auto found = values.find(path);
    if (found == values.end()) return std::nullopt;
    return found->second;
}

uint64_t minutesOn(long minutes) {
    return minutes > 0 ? static_cast<uint64_t>(minutes) * 60 : 0;
}

}  // namespace

const char* desktopName(DesktopKind desktop) {
    switch (desktop) {
    case DesktopKind::gnome: return "GNOME";
    case DesktopKind::cinnamon: return "Cinnamon";
    case DesktopKind::plasma: return "KDE Plasma";
    case DesktopKind::xfce: return "Xfce";
    default: return "";
    }
}

bool desktopTimeSettable(DesktopKind desktop) {
    return desktop == DesktopKind::gnome || desktop == DesktopKind::cinnamon;
}

const char* desktopSettingsPlace(DesktopKind desktop) {
    switch (desktop) {
    case DesktopKind::plasma: return "KDE Plasma's System Settings: Screen Locking, and Power Management";
    case DesktopKind::xfce: return "Xfce's Screensaver settings and its Power Manager";
    default: return "";
    }
}

DesktopKind desktopFromList(const std::string& list) {
    std::istringstream names(list);
    for (std::string name; std::getline(names, name, ':');) {
        name = lowered(name);
        if (name == "gnome") return DesktopKind::gnome;
        if (name == "x-cinnamon" || name == "cinnamon") return DesktopKind::cinnamon;
        if (name == "kde") return DesktopKind::plasma;
        if (name == "xfce") return DesktopKind::xfce;
    }
    return DesktopKind::none;
}

DesktopTimers gnomeTimers(DesktopKind desktop, const GnomeSettings& settings) {
    // The lock comes with the blank or after it: never sooner.
    const bool locksAtOnce = settings.lockEnabled && settings.lockDelay == 0;
    return shortest(desktop, {{settings.idleDelay, locksAtOnce ? "blanks and locks the screen" : "blanks the screen"}});
}

DesktopTimers plasmaTimers(const std::string& kscreenlockerrc, const std::string& powerdevilrc) {
    const bool locks = flag(kdeValue(kscreenlockerrc, "Daemon", "Autolock"), true);
    const long lockMinutes = number(kdeValue(kscreenlockerrc, "Daemon", "Timeout"), 5);
    const bool turnsOff = flag(kdeValue(powerdevilrc, "AC/Display", "TurnOffDisplayWhenIdle"), true);
    const long offSeconds = number(kdeValue(powerdevilrc, "AC/Display", "TurnOffDisplayIdleTimeoutSec"), 300);
    return shortest(DesktopKind::plasma,
                    {{locks ? minutesOn(lockMinutes) : 0, "locks the screen"},
                     {turnsOff && offSeconds > 0 ? static_cast<uint64_t>(offSeconds) : 0, "turns the screen off"}});
}

DesktopTimers xfceTimers(const XfconfValues& screensaver, const XfconfValues& powerManager) {
    const bool saverOn = flag(xfconf(screensaver, "/saver/enabled"), true) &&
                         flag(xfconf(screensaver, "/saver/idle-activation/enabled"), true);
    const long saverMinutes = number(xfconf(screensaver, "/saver/idle-activation/delay"), 0);
    const bool locks = flag(xfconf(screensaver, "/lock/enabled"), true);
    const long blankMinutes = number(xfconf(powerManager, "/xfce4-power-manager/blank-on-ac"), 0);
    const bool dpms = flag(xfconf(powerManager, "/xfce4-power-manager/dpms-enabled"), true);
    const long offMinutes = number(xfconf(powerManager, "/xfce4-power-manager/dpms-on-ac-off"), 0);
    return shortest(DesktopKind::xfce, {{saverOn ? minutesOn(saverMinutes) : 0,
                                         locks ? "locks the screen" : "starts its screensaver"},
                                        {minutesOn(blankMinutes), "blanks the screen"},
                                        {dpms ? minutesOn(offMinutes) : 0, "turns the screen off"}});
}
