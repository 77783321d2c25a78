#include "settings/settings.h"

#include <istream>
#include <iterator>
#include <vector>

#include "package/byte_cursor.h"

const ResolutionRow resolutionTable[resolutionRowCount] = {
    {0, 0, 0},          {640, 480, 32},   {800, 600, 32},   {1024, 768, 32},
    {1152, 864, 32},    {1280, 800, 32},  {1280, 960, 32},  {1280, 1024, 32},
    {1400, 1050, 32},   {1600, 1200, 32},
};

namespace {

constexpr int32_t currentLayout = 1;
// A settings file is a few dozen bytes; blocks beyond this are treated as a
// file that ends early rather than read into memory.
constexpr size_t maxSettingsBytes = 1 << 20;

// Reads past a length-prefixed block. False when the length is missing,
// negative or longer than the bytes that remain.
bool skipBlock(ByteCursor& cursor) {
    int32_t length;
    return cursor.readI32(length) && length >= 0 && cursor.skip(static_cast<size_t>(length));
}

}  // namespace

Settings::Settings() {
    resetToDefaults();
}

Settings::Settings(const uint8_t* bytes, size_t size) {
    resetToDefaults();
    read(bytes, size);
}

Settings::Settings(std::istream& stream) {
    resetToDefaults();
    std::vector<uint8_t> bytes;
    char buffer[4096];
    while (bytes.size() < maxSettingsBytes && stream.read(buffer, sizeof buffer).gcount() > 0) {
        bytes.insert(bytes.end(), buffer, buffer + stream.gcount());
    }
    if (bytes.size() > maxSettingsBytes) bytes.resize(maxSettingsBytes);
    read(bytes.data(), bytes.size());
}

void Settings::resetToDefaults() {
    showFrameCounter = 0;
    showClock = 1;
    analogClock = 0;
    clock24Hour = 0;
    largeClock = 1;
    showCalendar = 1;
    russianCalendar = 0;
    exitOnMouseMove = 0;
    resolutionIndex = 0;
}

// Each field is stored only once it has been read whole, so a short file leaves
// the rest at their defaults.
void Settings::read(const uint8_t* bytes, size_t size) {
    ByteCursor cursor(bytes, size);
    int32_t marker;
    if (!cursor.readI32(marker)) return;
    if (marker != currentLayout) {
        // Older layout: its option values are not taken over.
        resetToDefaults();
        return;
    }
    if (!skipBlock(cursor) || !skipBlock(cursor)) return;
    if (!cursor.readU8(exitOnMouseMove)) return;
    if (!cursor.skip(4)) return;
    if (!cursor.readI32(resolutionIndex)) return;
    uint8_t* flags[] = {&showFrameCounter, &showClock,    &analogClock,    &clock24Hour,
                        &largeClock,       &showCalendar, &russianCalendar};
    for (uint8_t* flag : flags) {
        if (!cursor.readU8(*flag)) return;
    }
}

const ResolutionRow& Settings::row() const {
    if (resolutionIndex < 0 || resolutionIndex >= resolutionRowCount) return resolutionTable[0];
    return resolutionTable[resolutionIndex];
}
