// Machine-wide stored values, addressed like the Windows registry:
// a key path ("Software\lumivera\Amber Bell\Settings") and a value name ("Path").
//
// The calls mirror the two-step Windows query (size first, then bytes) so that
// RegistryValue (src/app) reads the same way on every platform.
//
// POSIX store: one file per value, at <root>/<key path with '\' as '/'>/<value>,
// the key path's leading "Software\" dropped (so the install directory is
// /etc/lumivera/Amber Bell/Settings/Path),
// where <root> is $AMBER_BELL_SYSCONFDIR when set (tests, relocated installs)
// and the build's configured system configuration directory (/etc) otherwise.
// The file holds the value's text; trailing line breaks are not part of it.
// Text values are reported with their terminating NUL, as REG_SZ values are.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace platform {

// An opened key. What it holds is each platform's own (the key's folder on
// POSIX, the HKEY on Windows, closed with the last copy): RegistryKeyState
// is defined in the platform's source only.
struct RegistryKeyState;
struct RegistryKey {
    std::shared_ptr<const RegistryKeyState> state;  // null until opened
};

constexpr uint32_t registryTypeText = 1;  // REG_SZ

// Opens key `subKey` of the machine-wide store for reading. False when absent.
bool openRegistryKey(const std::string& subKey, RegistryKey& key);

// Size in bytes of value `name` of `key`, terminating NUL included. False when
// the value is absent or unreadable.
bool queryRegistryValueSize(const RegistryKey& key, const std::string& name, uint32_t& size);

// Reads at most `size` bytes of the value into `buffer` and its type into `type`.
// `size` is updated to the bytes written. False when the value cannot be read.
bool queryRegistryValue(const RegistryKey& key, const std::string& name,
                        uint8_t* buffer, uint32_t& size, uint32_t& type);

// Where value `name` of key `subKey` is kept, for help texts: the file on
// POSIX, "HKEY_LOCAL_MACHINE\<subKey>, value <name>" on Windows.
std::string registryValueLocation(const std::string& subKey, const std::string& name);

// The root folder of the POSIX store (for tools and tests that write values);
// empty on Windows.
std::string registryRoot();

}  // namespace platform
