// SettingsFile: the whole settings file as the configuration program keeps it,
// so that it can change options without losing what it does not understand.
//
// Layout written (little-endian), the current one (marker 1):
//   int32 1 | int32 LA | block A | int32 LB | block B | u8 exitOnMouseMove
//   | u32 unused word | int32 resolutionIndex | u8 x 7 flags (record order)
// 28 + LA + LB bytes. Blocks A and B and the unused word are carried over
// unchanged from the file that was read; the screensaver never looks at them.
//
// The options always are exactly what the screensaver's own reader (Settings)
// takes from the same bytes, so a truncated, damaged or older-layout file is
// replaced by a current one holding the values that were in effect.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "settings/settings.h"

// The screensaver reads at most this many bytes of the file (settings.cpp);
// blocks that would push the options beyond it are not kept.
constexpr size_t maxSettingsFileBytes = size_t{1} << 20;

struct SettingsFile {
    Settings options;              // as the screensaver reads them
    std::vector<uint8_t> blockA;   // kept as found; empty for a new file
    std::vector<uint8_t> blockB;
    uint32_t unusedWord = 0;       // kept as found; 0 for a new file
    bool complete = false;         // the bytes were a whole current-layout file
};

// Decodes a file image of `size` bytes (null / 0: no file). Whole blocks of a
// current- or older-layout file are kept; a block that is cut short, has a
// negative length or would not fit the size limit is dropped.
SettingsFile decodeSettingsFile(const uint8_t* bytes, size_t size);

// The current-layout image of `file`. Flags are written as stored.
std::vector<uint8_t> encodeSettingsFile(const SettingsFile& file);

// Reads the file at `path` (at most maxSettingsFileBytes of it). A missing or
// unreadable file gives the defaults, as it does for the screensaver.
SettingsFile loadSettingsFile(const std::string& path);

// Replaces the file at `path` with the image of `file`: the bytes go to a new
// file in the same folder, which is flushed and then renamed over the old one,
// so the file at `path` is always either the old one or the new one, whole.
// The folder must exist. False, with a one-line `error` naming the file, when
// anything fails; the old file is then untouched and no temporary is left.
bool saveSettingsFile(const std::string& path, const SettingsFile& file, std::string& error);
