// Package writer: the inverse of the package reader (package_reader.h), for
// the tools that make packages and for tests.
//
// Entries are written in the order given; duplicate names are written as
// they are (a reader finds the first). Our packages always hold the count,
// then each entry's name length, name (no terminator), size and data.
//
// Preconditions, checked: a name is at most 127 bytes and holds no zero
// byte; an entry's data is at most INT32_MAX bytes; at most INT32_MAX
// entries. A violation throws std::invalid_argument (a caller's mistake, not
// a condition of the data); validPackageEntry lets callers check first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PackageEntry {
    std::string name;
    std::vector<uint8_t> data;
};

constexpr size_t maxPackageEntryNameLength = 127;

// True when `entry` can be written; otherwise `why` says what is wrong.
bool validPackageEntry(const PackageEntry& entry, std::string& why);

std::vector<uint8_t> writePackage(const std::vector<PackageEntry>& entries);

// Writes the package to `path`, replacing the file in one step (a failure
// leaves the old file as it was). False with `error` set when it cannot.
bool writePackageFile(const std::string& path, const std::vector<PackageEntry>& entries,
                      std::string& error);
