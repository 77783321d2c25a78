// amber-artwork: draws the show's artwork and writes the four packages.
//
//   amber-artwork --out build/saver [--images DIR] [--windows-art DIR]
//                 [--hicolor DIR --icon-name NAME]
//
// Every image is computed here or rasterised from the DejaVu fonts; nothing
// is read but the fonts. The build runs this whenever its sources change.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <string>

#include "hicolor_icons.h"
#include "packages.h"
#include "windows_art.h"

int main(int argc, char** argv) {
    CLI::App app{"Draws the Amber Bell artwork and writes main.pak, clock.pak, calendar.pak and utils.pak"};
    std::string out;
    std::string images;
    std::string windowsArt;
    std::string hicolor;
    std::string iconName = "amber-bell";
    app.add_option("-o,--out", out, "Folder that receives the packages")->required();
    app.add_option("--images", images, "Folder that also receives every image as PNG");
    app.add_option("--windows-art", windowsArt,
                   "Folder that receives the Windows icon and the installer's pictures");
    app.add_option("--hicolor", hicolor, "Icon theme folder that receives the desktop icon in every size");
    app.add_option("--icon-name", iconName, "File name of the desktop icon, without .png");
    CLI11_PARSE(app, argc, argv);

    try {
        const Typeface type;
        using Maker = ArtworkPackage (*)(const Typeface&, const std::string&);
        for (Maker make : {makeMainPackage, makeClockPackage, makeCalendarPackage, makeUtilsPackage}) {
            const ArtworkPackage package = make(type, images);
            std::string error;
            if (!writePackageFile(out + "/" + package.name(), package.entries(), error)) {
                std::fprintf(stderr, "amber-artwork: %s\n", error.c_str());
                return 1;
            }
        }
        if (!windowsArt.empty()) writeWindowsArt(type, windowsArt);
        if (!hicolor.empty()) writeHicolorIcons(hicolor, iconName);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "amber-artwork: %s\n", e.what());
        return 1;
    }
    return 0;
}
