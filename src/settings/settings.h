// Settings: the user's choices for one run, read once at start-up from the
// settings file that the configuration program writes.
//
// Current file layout (little-endian), as read here:
//   int32 marker = 1 | int32 LA | LA bytes (block A) | int32 LB | LB bytes (block B)
//   | u8 exitOnMouseMove | u32 (unused) | int32 resolutionIndex
//   | u8 showFrameCounter, showClock, analogClock, clock24Hour, largeClock,
//        showCalendar, russianCalendar
// A complete file is 28 + LA + LB bytes. Any other marker is an older layout
// whose values are not taken over: every option keeps its default. A file that
// ends early leaves every option it did not fully hold at its default.
//
// Flags are bytes: any non-zero value is set.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>

struct ResolutionRow {
    int32_t width;   // pixels
    int32_t height;  // pixels
    int32_t depth;   // bits per pixel
};

// Ten rows; row 0 is all zeros and means "the desktop's current mode".
constexpr int32_t resolutionRowCount = 10;
extern const ResolutionRow resolutionTable[resolutionRowCount];

class Settings {
public:
    Settings();                                   // every option at its default
    explicit Settings(std::istream& stream);      // the stream delivers the file's bytes
    Settings(const uint8_t* bytes, size_t size);  // the same reader over bytes in memory

    void resetToDefaults();

    // Every option equal.
    bool operator==(const Settings&) const = default;

    // Columns of the row `resolutionIndex` selects; an index outside 0..9
    // selects row 0.
    int32_t screenWidth() const { return row().width; }
    int32_t screenHeight() const { return row().height; }
    int32_t screenDepth() const { return row().depth; }

    uint8_t showFrameCounter;
    uint8_t showClock;
    uint8_t analogClock;
    uint8_t clock24Hour;
    uint8_t largeClock;
    uint8_t showCalendar;
    uint8_t russianCalendar;
    uint8_t exitOnMouseMove;
    int32_t resolutionIndex;

private:
    void read(const uint8_t* bytes, size_t size);
    const ResolutionRow& row() const;
};
