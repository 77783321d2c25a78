#include "package/package_file.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "package/image_decode.h"
#include "package/package_load.h"
#include "package/png_decode.h"
#include "video/texture_object.h"

PackageFile::PackageFile(const std::string& path) {
    // A package that cannot be read is an install that cannot show anything.
    LoadedPackage file;
    std::string error;
    const PackageLoad load = loadPackageFile(path, file, error);
    if (load == PackageLoad::unreadable) std::exit(1);
    if (load == PackageLoad::refused) {
        std::fprintf(stderr, "package %s refused: %s\n", path.c_str(), error.c_str());
        intact_ = false;
        return;
    }
    // Each entry gets a block of its own, so a reader that strays past its
    // entry is caught by the sanitizers instead of reading the neighbour.
    const size_t count = file.entries.size();
    names.reserve(count);
    data.reserve(count);
    blocks.reserve(count);
    for (PackageEntryView& entry : file.entries) {
        std::unique_ptr<uint8_t[]> block(new uint8_t[static_cast<size_t>(entry.size)]);
        if (entry.size > 0) std::memcpy(block.get(), entry.data, static_cast<size_t>(entry.size));
        data.push_back(EntryBytes{block.get(), entry.size});
        blocks.push_back(std::move(block));
        names.push_back(std::move(entry.name));
    }
    textures.assign(count, 0);
    textureUses.assign(count, 0);
}

int32_t PackageFile::findEntry(const std::string& name) const {
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return static_cast<int32_t>(i);
    }
    return -1;
}

EntryBytes PackageFile::entryBytes(const std::string& name) const {
    const int32_t index = findEntry(name);
    return index < 0 ? EntryBytes{} : data[static_cast<size_t>(index)];
}

uint32_t PackageFile::acquireTexture(const std::string& name, const PlainPng* decoded) {
    const int32_t found = findEntry(name);
    if (found < 0) return 0;
    const size_t i = static_cast<size_t>(found);
    if (textures[i] == 0) {
        RgbaImage image;
        // An image GL cannot take stays without a texture, like one that does
        // not decode.
        if (decoded && decoded->width > 0) {
            if (textureSizeSupported(decoded->width, decoded->height)) {
                textures[i] = createTexture(decoded->width, decoded->height, decoded->rgba.data());
            }
        } else if (decodeRgbaImage(data[i].data, static_cast<size_t>(data[i].size), image) &&
                   textureSizeSupported(image.width, image.height)) {
            textures[i] = createTexture(image.width, image.height, image.pixels, image.pitch);
        }
    }
    ++textureUses[i];
    return textures[i];
}

void PackageFile::releaseTexture(uint32_t textureName) {
    if (textureName == 0) return;
    for (size_t i = 0; i < textures.size(); ++i) {
        if (textures[i] != textureName) continue;
        if (--textureUses[i] == 0) {
            deleteTexture(textures[i]);
            textures[i] = 0;
        }
    }
}
