// File-backed registry values: <root>/<key path>/<value name>.
#include "platform/registry.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#ifndef AMBER_SYSCONFDIR
#define AMBER_SYSCONFDIR "/etc"
#endif

namespace platform {

struct RegistryKeyState {
    std::string folder;
};

namespace {

// Values are short texts; anything larger is not one of ours.
constexpr long maxValueBytes = 64 * 1024;

std::string valuePath(const RegistryKey& key, const std::string& name) {
    return key.state->folder + "/" + name;
}

// Reads the value's text without trailing line breaks, plus a terminating NUL.
bool readValueFile(const std::string& path, std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bytes.clear();
    int c;
    while ((c = std::fgetc(file)) != EOF) {
        if (static_cast<long>(bytes.size()) >= maxValueBytes) {
            std::fclose(file);
            return false;
        }
        bytes.push_back(static_cast<uint8_t>(c));
    }
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return false;
    while (!bytes.empty() && (bytes.back() == '\n' || bytes.back() == '\r')) bytes.pop_back();
    bytes.push_back(0);
    return true;
}

}  // namespace

std::string registryRoot() {
    const char* overridden = std::getenv("AMBER_BELL_SYSCONFDIR");
    if (overridden && *overridden) return overridden;
    return AMBER_SYSCONFDIR;
}

namespace {

std::string keyFolder(const std::string& subKey) {
    // "Software\" is the Windows home of every program's settings; here the
    // system configuration directory is that home, so the word is dropped.
    const std::string software = "Software\\";
    const bool underSoftware = subKey.compare(0, software.size(), software) == 0;
    std::string folder = registryRoot();
    folder += '/';
    for (char c : subKey.substr(underSoftware ? software.size() : 0)) folder += (c == '\\') ? '/' : c;
    return folder;
}

}  // namespace

std::string registryValueLocation(const std::string& subKey, const std::string& name) {
    return keyFolder(subKey) + "/" + name;
}

bool openRegistryKey(const std::string& subKey, RegistryKey& key) {
    const std::string folder = keyFolder(subKey);
    struct stat info {};
    if (stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return false;
    key.state = std::make_shared<RegistryKeyState>(RegistryKeyState{folder});
    return true;
}

bool queryRegistryValueSize(const RegistryKey& key, const std::string& name, uint32_t& size) {
    if (!key.state) return false;
    std::vector<uint8_t> bytes;
    if (!readValueFile(valuePath(key, name), bytes)) return false;
    size = static_cast<uint32_t>(bytes.size());
    return true;
}

bool queryRegistryValue(const RegistryKey& key, const std::string& name,
                        uint8_t* buffer, uint32_t& size, uint32_t& type) {
    if (!key.state) return false;
    std::vector<uint8_t> bytes;
    if (!readValueFile(valuePath(key, name), bytes)) return false;
    // The value may have changed since its size was asked for: never write past
    // the caller's buffer.
    const uint32_t written = bytes.size() < size ? static_cast<uint32_t>(bytes.size()) : size;
    for (uint32_t i = 0; i < written; ++i) buffer[i] = bytes[i];
    size = written;
    type = registryTypeText;
    return true;
}

}  // namespace platform
