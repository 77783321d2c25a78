#include "package/package_reader.h"

#include <cstring>

#include "package/byte_cursor.h"
#include "package/quoted_name.h"

namespace {

std::string entryLabel(size_t index, const std::string* name) {
    std::string label = "entry ";
    label += std::to_string(index);
    if (name) {
        label += ' ';
        label += quotedName(*name);
    }
    return label;
}

// The name of entry `index`: a length byte, then that many bytes, cut at the
// first zero byte.
bool readEntryName(ByteCursor& cursor, size_t index, std::string& name, std::string& error) {
    const size_t recordStart = cursor.position();
    int8_t nameLength;
    if (!cursor.readI8(nameLength)) {
        error = entryLabel(index, nullptr) + ": the file ends before the entry (offset " +
                std::to_string(recordStart) + ")";
        return false;
    }
    if (nameLength < 0) {
        error = entryLabel(index, nullptr) + ": negative name length " +
                std::to_string(nameLength) + " at offset " + std::to_string(recordStart);
        return false;
    }
    const uint8_t* nameBytes;
    if (!cursor.take(static_cast<size_t>(nameLength), nameBytes)) {
        error = entryLabel(index, nullptr) + ": the file ends inside the name (" +
                std::to_string(nameLength) + " bytes declared at offset " +
                std::to_string(recordStart) + ")";
        return false;
    }
    const void* zero = std::memchr(nameBytes, 0, static_cast<size_t>(nameLength));
    const size_t nameSize =
        zero ? static_cast<size_t>(static_cast<const uint8_t*>(zero) - nameBytes)
             : static_cast<size_t>(nameLength);
    name.assign(reinterpret_cast<const char*>(nameBytes), nameSize);
    return true;
}

// The data of an entry whose name has been read: a size, then that many bytes.
bool readEntryData(ByteCursor& cursor, size_t index, PackageEntryView& entry, std::string& error) {
    int32_t dataSize;
    if (!cursor.readI32(dataSize)) {
        error = entryLabel(index, &entry.name) + ": the file ends before the data size";
        return false;
    }
    if (dataSize < 0) {
        error = entryLabel(index, &entry.name) + ": negative data size " +
                std::to_string(dataSize);
        return false;
    }
    if (!cursor.take(static_cast<size_t>(dataSize), entry.data)) {
        error = entryLabel(index, &entry.name) + ": data of " + std::to_string(dataSize) +
                " bytes runs past the end of the file (" +
                std::to_string(cursor.remaining()) + " bytes left)";
        return false;
    }
    entry.size = dataSize;
    return true;
}

}  // namespace

bool readPackageEntries(const uint8_t* data, size_t size, std::vector<PackageEntryView>& entries,
                        std::string& error) {
    entries.clear();
    ByteCursor cursor(data, size);

    int32_t count;
    if (!cursor.readI32(count)) {
        error = "the file ends before the entry count (" + std::to_string(size) + " bytes)";
        return false;
    }
    if (count <= 0) return true;
    // Checked before reserving, so a forged count cannot make us allocate.
    if (static_cast<size_t>(count) > cursor.remaining() / minimumEntryRecordSize) {
        error = "the file declares " + std::to_string(count) + " entries but only " +
                std::to_string(cursor.remaining()) + " bytes follow the count";
        return false;
    }
    entries.reserve(static_cast<size_t>(count));

    for (size_t index = 0; index < static_cast<size_t>(count); ++index) {
        PackageEntryView entry;
        if (!readEntryName(cursor, index, entry.name, error) ||
            !readEntryData(cursor, index, entry, error)) {
            entries.clear();
            return false;
        }
        entries.push_back(std::move(entry));
    }
    return true;
}
