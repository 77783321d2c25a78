#include "support/show_packages.h"

#include <string>
#include <vector>

#include "mesh/sub_mesh.h"
#include "package/texture_cache.h"
#include "support/test_models.h"

namespace {

// Every model gets a texture of its own named "t:" + the entry name, so tests
// can tell from a node's sub-mesh which entry it loaded (modelEntryOf).
void addModels(std::vector<PackageEntry>& entries, const std::vector<std::string>& names,
               uint8_t red, uint8_t green, uint8_t blue) {
    for (const std::string& name : names) {
        entries.push_back({name, writeModelEntry({squareRecord("t:" + name)})});
        entries.push_back({"t:" + name, solidBmp(4, 4, red, green, blue)});
    }
}

std::vector<std::string> numbered(const std::string& prefix, int from, int to) {
    std::vector<std::string> names;
    for (int i = from; i <= to; ++i) names.push_back(prefix + std::to_string(i));
    return names;
}

}  // namespace

ShowPackages::ShowPackages() {
    std::vector<PackageEntry> main, clock, calendar, utils;
    addModels(main, {"fon", "serdce", "serdechko", "nn"}, 200, 40, 60);
    addModels(clock, {"ciferblat", "sec", "min", "chas", "podlozka", "podlozka_am", "dot", "am", "pm"},
              40, 200, 60);
    addModels(clock, numbered("", 0, 9), 40, 200, 60);
    addModels(calendar, {"fon", "fon_rus", "day", "day_rus", "null", "sel"}, 40, 60, 200);
    addModels(calendar, numbered("m", 1, 12), 40, 60, 200);
    addModels(calendar, numbered("", 1, 31), 40, 60, 200);
    addModels(utils, {"fps"}, 220, 220, 40);
    addModels(utils, numbered("", 0, 9), 220, 220, 40);
    writeTestPackage(dir_, "main.pak", main);
    writeTestPackage(dir_, "clock.pak", clock);
    writeTestPackage(dir_, "calendar.pak", calendar);
    folder_ = writeTestPackage(dir_, "utils.pak", utils);
    textureCache.setBasePath(folder_);
}

ShowPackages::~ShowPackages() {
    textureCache.setBasePath("0");
}

std::string modelEntryOf(const SceneNode& node) {
    if (node.subMeshCount == 0) return {};
    const std::string texture = node.subMeshes[0]->textureEntryName;
    return texture.rfind("t:", 0) == 0 ? texture.substr(2) : std::string();
}
