// Registry values of HKEY_LOCAL_MACHINE, read with the two-step query.
#include <windows.h>

#include "platform/registry.h"

namespace platform {

struct RegistryKeyState {
    HKEY handle;
    ~RegistryKeyState() { RegCloseKey(handle); }
};

std::string registryValueLocation(const std::string& subKey, const std::string& name) {
    return "HKEY_LOCAL_MACHINE\\" + subKey + ", value " + name;
}

bool openRegistryKey(const std::string& subKey, RegistryKey& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_QUERY_VALUE, &handle) != ERROR_SUCCESS) {
        return false;
    }
    key.state = std::make_shared<RegistryKeyState>(handle);
    return true;
}

bool queryRegistryValueSize(const RegistryKey& key, const std::string& name, uint32_t& size) {
    if (!key.state) return false;
    DWORD bytes = 0;
    if (RegQueryValueExA(key.state->handle, name.c_str(), nullptr, nullptr, nullptr,
                         &bytes) != ERROR_SUCCESS) {
        return false;
    }
    size = bytes;
    return true;
}

bool queryRegistryValue(const RegistryKey& key, const std::string& name,
                        uint8_t* buffer, uint32_t& size, uint32_t& type) {
    if (!key.state) return false;
    DWORD bytes = size;
    DWORD storedType = REG_SZ;
    // The value may have grown since its size was asked for: then the query
    // fails with ERROR_MORE_DATA and nothing is trusted.
    if (RegQueryValueExA(key.state->handle, name.c_str(), nullptr, &storedType, buffer,
                         &bytes) != ERROR_SUCCESS) {
        return false;
    }
    size = bytes;
    type = storedType;
    return true;
}

std::string registryRoot() {
    return {};
}

}  // namespace platform
