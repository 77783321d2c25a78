// Fuzzes the package reader: any bytes either parse into entries that lie
// inside the input, or are refused with a message.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "package/package_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<PackageEntryView> entries;
    std::string error;
    if (!readPackageEntries(data, size, entries, error)) {
        if (error.empty() || !entries.empty()) __builtin_trap();
        return 0;
    }
    for (const PackageEntryView& entry : entries) {
        if (entry.size < 0 || entry.name.size() > 127) __builtin_trap();
        if (entry.data < data || entry.data + entry.size > data + size) __builtin_trap();
    }
    return 0;
}
