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
          << "Exec=" << execArgument(watcherProgram) << "\nNoDisplay=true\n"
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
    std::string folder = environment("XDG_RUNTIME_DIR");
    if (folder.empty()) folder = std::filesystem::temp_directory_path().string() + "/amber-bell-" + std::to_string(getuid());
    std::string display = environment("WAYLAND_DISPLAY");
    if (display.empty()) display = environment("DISPLAY");
    for (char& c : display) {
        if (c == '/') c = '_';
    }
    return folder + "/amber-bell-idle" + (display.empty() ? "" : "-" + display) + ".lock";
}
