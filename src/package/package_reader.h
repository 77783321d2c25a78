// Package reader: the parsing half of a package file, bytes in, entries out.
//
// File layout (all integers little-endian, no signature, no padding):
//   int32 N                      number of entries; 0 or less: no entries
//   N times:
//     int8  L                    name length, 0..127 (signed; negative refused)
//     L     bytes                the name; it ends at the first zero byte
//                                among them, or after all L bytes
//     int32 S                    size of the entry data, 0..(bytes left)
//     S     bytes                the entry data (a model or an image)
// Bytes after the last entry are ignored.
//
// Every read is checked against the bytes given. A package that ends inside
// an entry, declares more entries than its bytes can hold, or has a negative
// name length or data size is refused as a whole: the reader returns false,
// leaves `entries` empty and says in `error` which entry (index from 0, and
// its name when it was read) and what is wrong. The caller adds the file name.
//
// No GL and no file access here: the fuzz target drives this directly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct PackageEntryView {
    std::string name;
    const uint8_t* data = nullptr;  // points into the bytes given to the reader
    int32_t size = 0;               // bytes, 0..INT32_MAX
};

// The smallest entry record: a length byte and a data size, empty name and data.
constexpr size_t minimumEntryRecordSize = 5;

bool readPackageEntries(const uint8_t* data, size_t size, std::vector<PackageEntryView>& entries,
                        std::string& error);
