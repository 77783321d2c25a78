#include "support/show_packages.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "package/texture_cache.h"
#include "support/test_models.h"

namespace {

std::vector<PackageEntry> squares(std::initializer_list<std::string> names, uint8_t r, uint8_t g,
                                  uint8_t b) {
    std::vector<PackageEntry> entries;
    for (const std::string& name : names) entries.push_back({name, writeModelEntry({squareRecord("tex")})});
    entries.push_back({"tex", solidBmp(4, 4, r, g, b)});
    return entries;
}

std::vector<std::string> numbered(const std::string& prefix, int from, int to) {
    std::vector<std::string> names;
    for (int i = from; i <= to; ++i) names.push_back(prefix + std::to_string(i));
    return names;
}

void add(std::vector<PackageEntry>& entries, const std::vector<std::string>& names) {
    for (const std::string& name : names) entries.push_back({name, writeModelEntry({squareRecord("tex")})});
}

}  // namespace

ShowPackages::ShowPackages() {
    writeTestPackage(dir_, "main.pak", squares({"fon", "serdce", "serdechko", "nn"}, 200, 40, 60));
    std::vector<PackageEntry> clock = squares({"ciferblat", "sec", "min", "chas", "podlozka",
                                               "podlozka_am", "dot", "am", "pm"}, 40, 200, 60);
    add(clock, numbered("", 0, 9));
    writeTestPackage(dir_, "clock.pak", clock);
    std::vector<PackageEntry> calendar =
        squares({"fon", "fon_rus", "day", "day_rus", "null", "sel"}, 40, 60, 200);
    add(calendar, numbered("m", 1, 12));
    add(calendar, numbered("", 1, 31));
    writeTestPackage(dir_, "calendar.pak", calendar);
    std::vector<PackageEntry> utils = squares({"fps"}, 220, 220, 40);
    add(utils, numbered("", 0, 9));
    folder_ = writeTestPackage(dir_, "utils.pak", utils);
    textureCache.setBasePath(folder_);
}

ShowPackages::~ShowPackages() {
    textureCache.setBasePath("0");
}
