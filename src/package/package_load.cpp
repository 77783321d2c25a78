#include "package/package_load.h"

#include "platform/read_whole_file.h"

PackageLoad loadPackageFile(const std::string& path, LoadedPackage& package, std::string& error) {
    package.entries.clear();
    if (!platform::readWholeFile(path, package.bytes, error)) return PackageLoad::unreadable;
    if (!readPackageEntries(package.bytes.data(), package.bytes.size(), package.entries, error)) {
        return PackageLoad::refused;
    }
    return PackageLoad::loaded;
}
