#include "package/package_writer.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

#include "package/byte_writer.h"
#include "package/quoted_name.h"
#include "platform/replace_whole_file.h"

bool validPackageEntry(const PackageEntry& entry, std::string& why) {
    if (entry.name.size() > maxPackageEntryNameLength) {
        why = "entry name " + quotedName(entry.name) + " is longer than 127 bytes";
        return false;
    }
    if (entry.name.find('\0') != std::string::npos) {
        why = "entry name " + quotedName(entry.name) + " holds a zero byte";
        return false;
    }
    if (entry.data.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        why = "entry " + quotedName(entry.name) + " is larger than 2 GiB";
        return false;
    }
    return true;
}

std::vector<uint8_t> writePackage(const std::vector<PackageEntry>& entries) {
    if (entries.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        throw std::invalid_argument("too many package entries");
    }
    size_t total = 4;
    for (const PackageEntry& entry : entries) {
        std::string why;
        if (!validPackageEntry(entry, why)) throw std::invalid_argument(why);
        total += 5 + entry.name.size() + entry.data.size();
    }
    std::vector<uint8_t> out;
    out.reserve(total);
    ByteWriter writer(out);
    writer.putI32(static_cast<int32_t>(entries.size()));
    for (const PackageEntry& entry : entries) {
        writer.putU8(static_cast<uint8_t>(entry.name.size()));
        writer.putBytes(entry.name);
        writer.putI32(static_cast<int32_t>(entry.data.size()));
        writer.putBytes(entry.data);
    }
    return out;
}

bool writePackageFile(const std::string& path, const std::vector<PackageEntry>& entries,
                      std::string& error) {
    return platform::replaceWholeFile(path, writePackage(entries), error);
}
