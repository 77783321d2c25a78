#include "settings/settings_file.h"

#include <fstream>

#include "package/byte_cursor.h"
#include "package/byte_writer.h"
#include "platform/replace_whole_file.h"

namespace {

constexpr int32_t currentLayout = 1;
// Marker, the two block lengths, the options and the unused word.
constexpr size_t fixedBytes = 28;
// An older-layout file: one byte, two int32 values and five flag bytes sit
// between the marker and the blocks.
constexpr size_t olderLayoutHeaderBytes = 1 + 4 + 4 + 5;

// Takes a whole length-prefixed block. False when the length is missing,
// negative or longer than the bytes that remain.
bool takeBlock(ByteCursor& cursor, std::vector<uint8_t>& block) {
    int32_t length;
    const uint8_t* start;
    if (!cursor.readI32(length) || length < 0) return false;
    if (!cursor.take(static_cast<size_t>(length), start)) return false;
    block.assign(start, start + length);
    return true;
}

}  // namespace

SettingsFile decodeSettingsFile(const uint8_t* bytes, size_t size) {
    SettingsFile file;
    if (size > maxSettingsFileBytes) size = maxSettingsFileBytes;
    file.options = bytes && size ? Settings(bytes, size) : Settings();

    ByteCursor cursor(bytes, size);
    int32_t marker;
    if (!cursor.readI32(marker)) return file;
    if (marker != currentLayout && !cursor.skip(olderLayoutHeaderBytes)) return file;

    std::vector<uint8_t> blockA, blockB;
    if (!takeBlock(cursor, blockA)) return file;
    const bool haveB = takeBlock(cursor, blockB);
    // The new file must stay readable whole by the screensaver.
    if (fixedBytes + blockA.size() + blockB.size() > maxSettingsFileBytes) return file;
    file.blockA = std::move(blockA);
    if (!haveB) return file;
    file.blockB = std::move(blockB);
    if (marker != currentLayout) return file;

    uint32_t word;
    if (!cursor.skip(1) || !cursor.readU32(word)) return file;
    file.unusedWord = word;
    file.complete = cursor.remaining() >= 4 + 7;
    return file;
}

std::vector<uint8_t> encodeSettingsFile(const SettingsFile& file) {
    const Settings& o = file.options;
    std::vector<uint8_t> out;
    out.reserve(fixedBytes + file.blockA.size() + file.blockB.size());
    ByteWriter writer(out);
    writer.putI32(currentLayout);
    writer.putU32(static_cast<uint32_t>(file.blockA.size()));
    writer.putBytes(file.blockA);
    writer.putU32(static_cast<uint32_t>(file.blockB.size()));
    writer.putBytes(file.blockB);
    writer.putU8(o.exitOnMouseMove);
    writer.putU32(file.unusedWord);
    writer.putI32(o.resolutionIndex);
    for (uint8_t flag : {o.showFrameCounter, o.showClock, o.analogClock, o.clock24Hour,
                         o.largeClock, o.showCalendar, o.russianCalendar}) {
        writer.putU8(flag);
    }
    return out;
}

SettingsFile loadSettingsFile(const std::string& path) {
    std::ifstream stream;
    if (!path.empty()) stream.open(path, std::ios::binary);
    if (!stream.is_open()) return decodeSettingsFile(nullptr, 0);
    std::vector<uint8_t> bytes;
    char buffer[4096];
    while (bytes.size() < maxSettingsFileBytes && stream.read(buffer, sizeof buffer).gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + stream.gcount());
    }
    return decodeSettingsFile(bytes.data(), bytes.size());
}

bool saveSettingsFile(const std::string& path, const SettingsFile& file, std::string& error) {
    if (path.empty()) {
        error = "settings file: no application-data folder to write it in";
        return false;
    }
    // One file for every account: whoever saves next must be able to replace it.
    return platform::replaceWholeFile(path, encodeSettingsFile(file), error,
                                      platform::FileAccess::everyUserMayReplace);
}
