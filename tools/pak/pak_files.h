// Helpers the pak commands share: a package read and parsed, an entry found,
// files written, NAME=PATH arguments. Problems go to `err` as one
// line each, starting "pak: ".
#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "package/package_load.h"

bool loadPackage(const std::string& path, LoadedPackage& package, std::ostream& err);
// The package's first entry of that name, or null.
const PackageEntryView* findEntry(const LoadedPackage& package, const std::string& name);
// Loads the package and finds the entry; null, with one line on `err`, when
// either fails.
const PackageEntryView* loadEntry(const std::string& path, const std::string& name, LoadedPackage& package,
                                  std::ostream& err);
// Writes `size` bytes to `path`; false, with one line on `err`, on failure.
bool writeFile(const std::string& path, const void* data, size_t size, std::ostream& err);
// The file-name extension model viewers expect for an image's bytes
// (".png", ".bmp", ".jpg", else ".img").
std::string imageExtension(const uint8_t* data, size_t size);
std::string imageExtension(const std::vector<uint8_t>& bytes);
// Splits a NAME=PATH argument; false, with one line on `err`, when it is not one.
bool splitNamePath(const std::string& argument, std::string& name, std::string& path, std::ostream& err);
