// PackageFile: one package file held in memory whole, its entries found by
// name and handed out as pointers into its memory.
//
// Only the TextureCache makes PackageFiles (texture_cache.h); file layout and
// checks are in package_reader.h. One record per entry in file order: its
// name, its bytes (an owned block), the GL texture made from it (0 while there
// is none) and that texture's uses.
//
// A file that cannot be opened or read ends the program at once with exit
// status 1 and no message (the install is incomplete; nothing can be shown).
// A file whose contents fail the checks is refused with one line on stderr
// naming the file and the entry, and behaves as a package without entries.
//
// Ownership: the data blocks live exactly as long as the PackageFile. The
// destructor frees them and leaves GL alone: textures are deleted only
// through releaseTexture.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct PlainPng;

// An entry's bytes: a pointer to its first byte and its size in bytes. A
// lookup that finds nothing gives a null pointer and 0; a found empty entry
// gives a non-null pointer and 0.
struct EntryBytes {
    const uint8_t* data = nullptr;
    int32_t size = 0;
};

class PackageFile {
public:
    explicit PackageFile(const std::string& path);
    ~PackageFile() = default;
    PackageFile(const PackageFile&) = delete;
    PackageFile& operator=(const PackageFile&) = delete;

    // The first entry, in file order, whose name equals `name` byte for byte.
    EntryBytes entryBytes(const std::string& name) const;

    // The entry's texture, made from its image on first request (it then stays
    // bound), with one more use counted. 0 when no entry has that name (no use
    // counted), or the entry does not decode or is larger than GL takes (use
    // counted). `decoded`, when given, is the entry's image decoded already
    // (image_prefetch.h), used instead of decoding it again. Needs GL.
    uint32_t acquireTexture(const std::string& name, const PlainPng* decoded = nullptr);
    // One use less for every entry whose texture is `textureName`; at exactly
    // 0 uses the GL texture is deleted and the entry's slot returns to 0.
    // Texture name 0 matches nothing. Needs GL.
    void releaseTexture(uint32_t textureName);

    // Read-only views for tools and tests.
    size_t entryCount() const { return entries.size(); }
    const std::string& entryName(size_t index) const { return entries[index].name; }
    uint32_t entryTexture(size_t index) const { return entries[index].texture; }
    int32_t entryTextureUses(size_t index) const { return entries[index].textureUses; }
    // False when the contents were refused (the package then has no entries).
    bool intact() const { return intact_; }

private:
    struct Entry {
        std::string name;
        std::unique_ptr<uint8_t[]> block;  // the memory `data` points into
        EntryBytes data;
        uint32_t texture = 0;
        int32_t textureUses = 0;
    };

    // The first entry of that name, or null.
    Entry* findEntry(const std::string& name);
    const Entry* findEntry(const std::string& name) const;

    std::vector<Entry> entries;
    bool intact_ = true;
};
