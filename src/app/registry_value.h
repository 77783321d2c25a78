// RegistryValue: one machine-wide stored value, read once at construction.
// InstallDirectory (install_directory.h) is the one the system uses: its text is
// the install directory ending with the path separator, and every file of the
// install directory is that text followed directly by the file name.
//
// When the value is absent or unreadable, `data` stays null and the texts are
// built from the fallback given at construction (for InstallDirectory: the
// folder of the running executable, so an uninstalled build runs in place).
#pragma once

#include <cstdint>
#include <string>

#include "platform/registry.h"

class RegistryValue {
public:
    RegistryValue(const std::string& subKey, const std::string& valueName,
                  std::string fallbackText = {});
    ~RegistryValue();
    RegistryValue(const RegistryValue&) = delete;
    RegistryValue& operator=(const RegistryValue&) = delete;

    // The value read as NUL-terminated text (stopping at the end of `data` when
    // it holds no NUL), or the fallback text.
    std::string valueText();
    // valueText() followed directly by `name`.
    std::string pathOf(const std::string& name);
    // Starts the sibling program `name` (its Windows file name; the platform
    // maps it) from the directory of the value, with no arguments, in the
    // directory that holds it. Waits for it when `wait`. False when it could
    // not be started; callers may ignore the result.
    bool launchProgram(const std::string& name, bool wait);

    bool hasValue() const { return data != nullptr; }
    // A value stored as text (REG_SZ), not as some other type.
    bool holdsText() const { return data != nullptr && type == platform::registryTypeText; }

private:
    std::string text;
    platform::RegistryKey key;
    uint8_t* data = nullptr;
    uint32_t size = 0;
    uint32_t type = platform::registryTypeText;
    std::string fallback;
};
