#include "app/registry_value.h"

#include "platform/paths.h"
#include "platform/process.h"

RegistryValue::RegistryValue(const std::string& subKey, const std::string& valueName,
                             std::string fallbackText)
    : fallback(std::move(fallbackText)) {
    if (!platform::openRegistryKey(subKey, key)) return;
    if (!platform::queryRegistryValueSize(key, valueName, size)) return;
    data = new uint8_t[size == 0 ? 1 : size];
    uint32_t read = size;
    if (!platform::queryRegistryValue(key, valueName, data, read, type)) {
        delete[] data;
        data = nullptr;
        size = 0;
        return;
    }
    size = read;
}

RegistryValue::~RegistryValue() {
    delete[] data;
}

std::string RegistryValue::valueText() {
    if (!data) {
        text = fallback;
        return text;
    }
    uint32_t length = 0;
    while (length < size && data[length] != 0) ++length;
    text.assign(reinterpret_cast<const char*>(data), length);
    return text;
}

std::string RegistryValue::pathOf(const std::string& name) {
    text = valueText() + name;
    return text;
}

bool RegistryValue::launchProgram(const std::string& name, bool wait) {
    const std::string path = pathOf(platform::programFileName(name));
    // The program runs in the folder that holds it; without a separator the
    // whole path is taken, as the launcher always has.
    std::string workingDirectory = path;
    const size_t cut = workingDirectory.rfind(platform::pathSeparator);
    if (cut != std::string::npos) workingDirectory.resize(cut);
    return platform::startProgram(path, workingDirectory, wait);
}
