#include "hicolor_icons.h"

#include <filesystem>
#include <stdexcept>

#include "common/png_writer.h"
#include "common/whole_file.h"
#include "windows_art.h"

void writeHicolorIcons(const std::string& folder, const std::string& name) {
    for (int size : hicolorIconSizes) {
        const std::string apps = folder + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
        std::error_code made;
        std::filesystem::create_directories(apps, made);
        if (made) throw std::runtime_error(apps + ": " + made.message());
        std::string error;
        if (!writeWholeFile(apps + "/" + name + ".png", encodePng(size, size, iconImage(size).rgba8()), error)) {
            throw std::runtime_error(error);
        }
    }
}
