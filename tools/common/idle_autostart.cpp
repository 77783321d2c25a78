#include "common/idle_autostart.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <unistd.h>

namespace {

constexpr const char* minutesKey = "X-Amber-Bell-Idle-Minutes=";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// A desktop entry's Exec quotes an argument with blanks or specials in
// double quotes, escaping ", `, $ and \ there.
std::string execArgument(const std::string& word) {
    if (word.find_first_of(" \t\"'`$\\><~|&;*?#()") == std::string::npos) return word;
    std::string quoted = "\"";
    // The string escape doubles every backslash the quoting puts in.
    for (char c : word) {
        if (c == '\\') quoted += "\\\\\\";
        else if (c == '"' || c == '`' || c == '$') quoted += "\\\\";
        quoted += c;
    }
    return quoted + '"';
}

// TryExec is a plain string, not a command line: only the string escapes
// apply (quotes would become part of the path the desktop looks for).
std::string desktopString(const std::string& text) {
    std::string escaped;
    for (char c : text) {
        if (c == '\\') escaped += "\\\\";
        else if (c == '\n') escaped += "\\n";
        else if (c == '\t') escaped += "\\t";
        else if (c == '\r') escaped += "\\r";
        else escaped += c;
    }
    if (!escaped.empty() && escaped[0] == ' ') escaped.replace(0, 1, "\\s");
    return escaped;
}

// The session's display as one name: ":0", ":0.0" and "unix:0" are one X
// display; a Wayland display's name is its own.
std::string sessionDisplay() {
    const std::string wayland = environment("WAYLAND_DISPLAY");
    if (!wayland.empty()) return wayland;
    std::string display = environment("DISPLAY");
    const size_t colon = display.rfind(':');
    if (colon == std::string::npos) return display;
    std::string host = display.substr(0, colon);
    if (host == "unix" || host == "localhost") host.clear();
    std::string number = display.substr(colon + 1);
    number = number.substr(0, number.find('.'));  // the screen is part of the same display
    return host + ":" + number;
}

}  // namespace

std::string idleAutostartPath() {
    std::string config = environment("XDG_CONFIG_HOME");
    if (config.empty()) {
        const std::string home = environment("HOME");
        if (home.empty()) return "";
        config = home + "/.config";
    }
    return config + "/autostart/amber-bell-idle.desktop";
}

IdleChoice readIdleChoice(const std::string& path) {
    IdleChoice choice;
    std::ifstream in(path);
    if (!in) return choice;
    choice.on = true;
    for (std::string line; std::getline(in, line);) {
        if (line == "Hidden=true" || line == "X-GNOME-Autostart-enabled=false") choice.on = false;
        if (line.rfind(minutesKey, 0) == 0) {
            const std::string value = line.substr(std::string(minutesKey).size());
            char* end = nullptr;
            const long minutes = std::strtol(value.c_str(), &end, 10);
            if (!value.empty() && *end == '\0' && minutes >= 1 && minutes <= maxIdleMinutes) {
                choice.minutes = static_cast<int>(minutes);
            }
        }
    }
    return choice;
}

bool writeIdleChoice(const std::string& path, const IdleChoice& choice, const std::string& watcherProgram,
                     std::string& error) {
    std::error_code failure;
    if (path.empty()) {
        error = "cannot find the autostart folder: neither XDG_CONFIG_HOME nor HOME is set";
        return false;
    }
    if (!choice.on) {
        if (std::filesystem::remove(path, failure) || !failure) return true;
        error = "cannot remove " + path + ": " + failure.message();
        return false;
    }
    std::filesystem::create_directories(std::filesystem::path(path).parent_path(), failure);
    std::ostringstream entry;
    entry << "[Desktop Entry]\nType=Application\nName=Amber Bell idle watcher\n"
          << "Comment=Starts the Amber Bell screensaver after " << choice.minutes << " minutes of inactivity\n"
          << "Exec=" << execArgument(watcherProgram) << "\nTryExec=" << desktopString(watcherProgram)
          << "\nNoDisplay=true\n"
          << minutesKey << choice.minutes << '\n';
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::trunc);
        out << entry.str();
        if (!out.flush()) {
            error = "cannot write " + path;
            std::filesystem::remove(temporary, failure);
            return false;
        }
    }
    std::filesystem::rename(temporary, path, failure);
    if (!failure) return true;
    error = "cannot write " + path + ": " + failure.message();
    std::filesystem::remove(temporary, failure);
    return false;
}

std::string idleLockPath() {
    const std::string folder = environment("XDG_RUNTIME_DIR");
    if (folder.empty() || folder[0] != '/') return "";
    std::string key = environment("XDG_SESSION_ID");
    if (key.empty()) key = sessionDisplay();
    for (char& c : key) {
        if (c == '/') c = '_';
    }
    return folder + "/amber-bell-idle" + (key.empty() ? "" : "-" + key) + ".lock";
}
