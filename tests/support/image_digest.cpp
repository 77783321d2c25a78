// image-digest PACKAGE: every entry of a package as the show decodes it, one a
// line: "NAME WIDTHxHEIGHT HASH" (FNV-1a of the RGBA rows) or "NAME not an
// image". Built for Linux and Windows alike: the Wine tests compare the two.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "package/image_decode.h"
#include "package/package_reader.h"

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    std::ifstream file(argv[1], std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<PackageEntryView> entries;
    std::string error;
    if (!file || !readPackageEntries(bytes.data(), bytes.size(), entries, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], error.c_str());
        return 1;
    }
    for (const PackageEntryView& entry : entries) {
        RgbaImage image;
        if (!decodeRgbaImage(entry.data, static_cast<size_t>(entry.size), image)) {
            std::printf("%s not an image\n", entry.name.c_str());
            continue;
        }
        unsigned long long hash = 1469598103934665603ull;
        for (int32_t y = 0; y < image.height; ++y)
            for (int32_t x = 0; x < image.width * 4; ++x)
                hash = (hash ^ image.pixels[static_cast<size_t>(y) * image.pitch + x]) * 1099511628211ull;
        std::printf("%s %dx%d %016llx\n", entry.name.c_str(), image.width, image.height, hash);
    }
    return 0;
}
