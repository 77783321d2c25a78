#include "heart_only.h"

#include <vector>

#include "app/show_packages.h"
#include "content/show_models.h"
#include "mesh/model_writer.h"
#include "package/package_load.h"
#include "package/package_writer.h"

namespace {

bool hidden(const std::string& package, const std::string& entry) {
    for (const ModelSource& model : modelsBesideTheHeart) {
        if (package == model.package && entry == model.entry) return true;
    }
    return false;
}

}  // namespace

HeartOnlyFolder::HeartOnlyFolder(const std::string& saverDir) : folder_("amber-heart-") {
    if (folder_.path().empty()) {
        error_ = folder_.error();
        return;
    }
    path_ = folder_.path() + "/";
    for (const char* name : showPackages) {
        if (!copyPackage(saverDir, name)) {
            path_.clear();
            return;
        }
    }
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
