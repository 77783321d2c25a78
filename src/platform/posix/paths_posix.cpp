#include "platform/paths.h"

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

namespace platform {

const char pathSeparator = '/';

std::string programFileName(const std::string& windowsName) {
    const std::string suffix = ".exe";
    if (windowsName.size() >= suffix.size() &&
        windowsName.compare(windowsName.size() - suffix.size(), suffix.size(), suffix) == 0) {
        return windowsName.substr(0, windowsName.size() - suffix.size());
    }
    return windowsName;
}

const char commonAppDataFolderHint[] = "your own configuration folder ($XDG_CONFIG_HOME, else ~/.config)";

bool commonAppDataFolder(std::string& folder) {
    const char* configHome = std::getenv("XDG_CONFIG_HOME");
    if (configHome && *configHome == '/') {
        folder = configHome;
        return true;
    }
    const char* home = std::getenv("HOME");
    if (home && *home) {
        folder = std::string(home) + "/.config";
        return true;
    }
    return false;
}

std::string executableDirectory() {
    char buffer[4096];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return {};
    std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos) return {};
    return path.substr(0, slash + 1);
}

std::string installedDataDirectory() {
    const std::string programs = executableDirectory();
    if (programs.empty()) return programs;
    // "lib/amber-bell/../../share/amber-bell/" is named as "share/amber-bell/".
    std::string data = (std::filesystem::path(programs) / AMBER_DATA_FROM_PROGRAMS).lexically_normal().string();
    if (data.empty() || data.back() != '/') data += '/';
    return data;
}

std::vector<std::string> skinFolders() {
    std::vector<std::string> folders;
    const auto add = [&](const std::string& dataFolder) {
        if (!dataFolder.empty() && dataFolder[0] == '/') folders.push_back(dataFolder + "/amber-bell/skin/");
    };
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    const char* home = std::getenv("HOME");
    if (dataHome && *dataHome) {
        add(dataHome);
    } else if (home && *home) {
        add(std::string(home) + "/.local/share");
    }
    const char* dataDirs = std::getenv("XDG_DATA_DIRS");
    const std::string dirs = dataDirs && *dataDirs ? dataDirs : "/usr/local/share:/usr/share";
    for (size_t start = 0; start <= dirs.size();) {
        const size_t colon = std::min(dirs.find(':', start), dirs.size());
        add(dirs.substr(start, colon - start));
        start = colon + 1;
    }
    return folders;
}

bool runningAsScreensaverFile() {
    return false;
}

bool isAbsolutePath(const std::string& path) {
    return !path.empty() && path[0] == '/';
}

}  // namespace platform
