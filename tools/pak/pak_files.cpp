#include "pak_files.h"

#include <iostream>

#include "common/whole_file.h"
#include "package/quoted_name.h"

bool loadPackage(const std::string& path, LoadedPackage& package, std::ostream& err) {
    std::string error;
    switch (loadPackageFile(path, package, error)) {
    case PackageLoad::loaded: return true;
    case PackageLoad::unreadable: err << "pak: " << error << "\n"; return false;
    case PackageLoad::refused: err << "pak: " << path << ": " << error << "\n"; return false;
    }
    return false;
}

const PackageEntryView* findEntry(const LoadedPackage& package, const std::string& name) {
    for (const PackageEntryView& entry : package.entries) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

const PackageEntryView* loadEntry(const std::string& path, const std::string& name, LoadedPackage& package,
                                  std::ostream& err) {
    if (!loadPackage(path, package, err)) return nullptr;
    const PackageEntryView* entry = findEntry(package, name);
    if (!entry) err << "pak: " << path << ": no entry " << quotedName(name) << "\n";
    return entry;
}

bool writeFile(const std::string& path, const void* data, size_t size, std::ostream& err) {
    std::string error;
    if (writeWholeFile(path, data, size, error)) return true;
    err << "pak: " << error << "\n";
    return false;
}

std::string imageExtension(const uint8_t* d, size_t size) {
    if (size >= 4 && d[0] == 0x89 && d[1] == 'P' && d[2] == 'N' && d[3] == 'G') return ".png";
    if (size >= 2 && d[0] == 'B' && d[1] == 'M') return ".bmp";
    if (size >= 2 && d[0] == 0xFF && d[1] == 0xD8) return ".jpg";
    return ".img";
}
std::string imageExtension(const std::vector<uint8_t>& bytes) {
    return imageExtension(bytes.data(), bytes.size());
}

bool splitNamePath(const std::string& argument, std::string& name, std::string& path, std::ostream& err) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) {
        err << "pak: " << quotedName(argument) << " is not NAME=PATH\n";
        return false;
    }
    name = argument.substr(0, equals);
    path = argument.substr(equals + 1);
    return true;
}
