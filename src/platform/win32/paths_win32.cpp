#include <windows.h>
#include <shlobj.h>

#include "platform/paths.h"

namespace platform {

const char pathSeparator = '\\';

std::string programFileName(const std::string& windowsName) {
    return windowsName;
}

const char commonAppDataFolderHint[] =
    "the application-data folder shared by all users (%ProgramData%, usually C:\\ProgramData)";

bool commonAppDataFolder(std::string& folder) {
    char buffer[MAX_PATH] = {};
    // The buffer holds no defined path when the query fails: then there is no
    // settings file to read.
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE, nullptr, 0, buffer))) {
        return false;
    }
    folder = buffer;
    return !folder.empty();
}

std::string executableDirectory() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    std::string path(buffer, length);
    const size_t backslash = path.rfind('\\');
    if (backslash == std::string::npos) return {};
    return path.substr(0, backslash + 1);
}

std::string installedDataDirectory() {
    return executableDirectory();
}

std::vector<std::string> skinFolders() {
    return {};
}

bool runningAsScreensaverFile() {
    char buffer[MAX_PATH + 1] = {};
    const DWORD length = GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    return length > 4 && length < MAX_PATH && lstrcmpiA(buffer + length - 4, ".scr") == 0;
}

bool isAbsolutePath(const std::string& path) {
    const auto separator = [](char c) { return c == '\\' || c == '/'; };
    const bool drive = path.size() >= 3 && IsCharAlphaA(path[0]) && path[1] == ':' && separator(path[2]);
    const bool share = path.size() >= 3 && separator(path[0]) && separator(path[1]) && !separator(path[2]);
    return drive || share;
}

}  // namespace platform
