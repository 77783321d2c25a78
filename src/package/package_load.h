// Loading a package file: read whole into memory and its entries checked
// (package_reader.h). The one way the show, its image prefetch and the tools
// read a package; each decides what a failure means for it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "package/package_reader.h"

// A package read and checked; `entries` point into `bytes`.
struct LoadedPackage {
    std::vector<uint8_t> bytes;
    std::vector<PackageEntryView> entries;
};

enum class PackageLoad {
    loaded,
    unreadable,  // error: "cannot open PATH: reason" or "cannot read PATH"
    refused,     // error: the reader's reason, without the path
};

PackageLoad loadPackageFile(const std::string& path, LoadedPackage& package, std::string& error);
