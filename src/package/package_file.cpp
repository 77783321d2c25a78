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
    entries.reserve(file.entries.size());
    for (PackageEntryView& view : file.entries) {
        std::unique_ptr<uint8_t[]> block(new uint8_t[static_cast<size_t>(view.size)]);
        if (view.size > 0) std::memcpy(block.get(), view.data, static_cast<size_t>(view.size));
        const EntryBytes bytes{block.get(), view.size};
        entries.push_back(Entry{std::move(view.name), std::move(block), bytes});
    }
}

PackageFile::Entry* PackageFile::findEntry(const std::string& name) {
    for (Entry& entry : entries) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

const PackageFile::Entry* PackageFile::findEntry(const std::string& name) const {
    return const_cast<PackageFile*>(this)->findEntry(name);
}

EntryBytes PackageFile::entryBytes(const std::string& name) const {
    const Entry* entry = findEntry(name);
    return entry ? entry->data : EntryBytes{};
}

uint32_t PackageFile::acquireTexture(const std::string& name, const PlainPng* decoded) {
    Entry* entry = findEntry(name);
    if (!entry) return 0;
    if (entry->texture == 0) {
        RgbaImage image;
        // An image GL cannot take stays without a texture, like one that does
        // not decode.
        if (decoded && decoded->width > 0) {
            if (textureSizeSupported(decoded->width, decoded->height)) {
                entry->texture = createTexture(decoded->width, decoded->height, decoded->rgba.data());
            }
        } else if (decodeRgbaImage(entry->data.data, static_cast<size_t>(entry->data.size), image) &&
                   textureSizeSupported(image.width, image.height)) {
            entry->texture = createTexture(image.width, image.height, image.pixels, image.pitch);
        }
    }
    ++entry->textureUses;
    return entry->texture;
}

void PackageFile::releaseTexture(uint32_t textureName) {
    if (textureName == 0) return;
    for (Entry& entry : entries) {
        if (entry.texture != textureName) continue;
        if (--entry.textureUses == 0) {
            deleteTexture(entry.texture);
            entry.texture = 0;
        }
    }
}
