// TextureCache: the one registry of open packages. Everything the program
// reads from packages comes through it: the bytes of an entry (model loading)
// or a GL texture made from an image entry (sub-mesh reading).
//
// Packages are found by the name the caller gives (exact, case-sensitive,
// e.g. "main.pak"), opened on the first use, counted, and closed when the last
// use is given back; a later use reads the file anew. One record per open
// package: the package (owned), its name and its use count
// (video/use_counted_registry.h).
//
// Path of a package: when `basePath` starts with the digit '0' (the initial
// value "0"), the bare package name, relative to the current directory;
// otherwise `basePath` followed directly by the name (so the base path must
// end with the directory separator). Skin folders (set at start-up, each
// ending with the separator) come first: the first of them holding a file of
// that name has the package.
//
// Missing entries and undecodable images are no errors: null bytes or texture
// name 0, with the package use counted all the same. A package file that
// cannot be opened ends the program with exit status 1 (package_file.h).
//
// Single-threaded. The texture operations need a current GL context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "package/image_prefetch.h"
#include "package/package_file.h"
#include "video/use_counted_registry.h"

class TextureCache {
public:
    // The destructor frees the packages still open (their data); GL textures
    // are left alone.
    TextureCache() = default;
    TextureCache(const TextureCache&) = delete;
    TextureCache& operator=(const TextureCache&) = delete;

    // Called once at start-up, before any package is opened.
    void setBasePath(const std::string& path);
    void setSkinFolders(std::vector<std::string> folders);
    // The file a package is read from, by the rules above.
    std::string packagePath(const std::string& packageName) const;

    // One use of the package (opening it if needed), and the entry's bytes:
    // valid while that use is held; null and 0 when the entry is missing.
    EntryBytes acquireEntry(const std::string& packageName, const std::string& entryName);
    // One use of the package and one of the entry's texture (made on first
    // request); 0 when the entry is missing or does not decode. Give both back
    // with releaseTexture (also for 0).
    uint32_t acquireTexture(const std::string& packageName, const std::string& entryName);
    // One use less of texture `textureName` in the package and of the package.
    void releaseTexture(const std::string& packageName, uint32_t textureName);
    // One use less of the package; the last one closes it. Unknown names: nothing.
    void releasePackage(const std::string& packageName);
    // One use of the package, opened if needed.
    PackageFile* acquirePackage(const std::string& packageName);

    // Decodes the plain PNG entries of these packages on a second thread
    // (image_prefetch.h); textures made from them later take the decoded
    // pixels. Call after setBasePath. finishPrefetch frees what was not used.
    void prefetchImages(const std::vector<std::string>& packageNames);
    void finishPrefetch() { prefetch.finish(); }
    size_t prefetchedImagesWaiting() { return prefetch.waiting(); }

    // Introspection for tests: uses of an open package (0 when it is not
    // open), and how many packages are open.
    int32_t packageUses(const std::string& packageName) const;
    size_t openPackageCount() const { return packages.size(); }
    // The open package of that name without taking a use, or null.
    PackageFile* findPackage(const std::string& packageName) const;

private:
    std::string basePath = "0";
    std::vector<std::string> skinFolders;
    ImagePrefetch prefetch;
    UseCountedRegistry<PackageFile> packages;
};

extern TextureCache textureCache;
