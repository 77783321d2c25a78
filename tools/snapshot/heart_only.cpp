#include "heart_only.h"

#include <filesystem>
#include <random>
#include <vector>

#include "app/show_packages.h"
#include "mesh/model_writer.h"
#include "package/package_load.h"
#include "package/package_writer.h"

namespace {

bool hidden(const std::string& package, const std::string& entry) {
    return package == "main.pak" && (entry == "fon" || entry == "serdechko" || entry == "nn");
}

}  // namespace

HeartOnlyFolder::HeartOnlyFolder(const std::string& saverDir) {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    if (error) {
        error_ = "no temporary folder: " + error.message();
        return;
    }
    std::random_device seed;
    std::mt19937 random(seed());
    std::filesystem::path folder;
    for (int attempt = 0; attempt < 100 && folder.empty(); ++attempt) {
        const std::filesystem::path candidate = base / ("amber-heart-" + std::to_string(random()));
        if (std::filesystem::create_directory(candidate, error)) folder = candidate;
    }
    if (folder.empty()) {
        error_ = "cannot make a folder in " + base.string();
        return;
    }
    path_ = folder.string() + "/";
    for (const char* name : showPackages) {
        if (!copyPackage(saverDir, name)) {
            std::filesystem::remove_all(folder, error);
            path_.clear();
            return;
        }
    }
}

HeartOnlyFolder::~HeartOnlyFolder() {
    if (path_.empty()) return;
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

bool HeartOnlyFolder::copyPackage(const std::string& from, const std::string& name) {
    LoadedPackage package;
    std::string why;
    const PackageLoad load = loadPackageFile(from + name, package, why);
    if (load != PackageLoad::loaded) {
        error_ = load == PackageLoad::refused ? from + name + ": " + why : why;
        return false;
    }
    std::vector<PackageEntry> entries;
    for (const PackageEntryView& view : package.entries) {
        PackageEntry entry{view.name, std::vector<uint8_t>(view.data, view.data + view.size)};
        if (hidden(name, view.name)) entry.data = writeModelEntry({});
        entries.push_back(std::move(entry));
    }
    if (!writePackageFile(path_ + name, entries, why)) {
        error_ = why;
        return false;
    }
    return true;
}
