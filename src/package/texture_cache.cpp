#include "package/texture_cache.h"

#include <filesystem>
#include <memory>
#include <system_error>
#include <utility>

// The program's one cache, made before main runs.
TextureCache textureCache;

void TextureCache::setBasePath(const std::string& path) {
    basePath = path;
}

PackageFile* TextureCache::acquirePackage(const std::string& packageName) {
    return packages.acquire(packageName, [&] { return std::make_unique<PackageFile>(packagePath(packageName)); });
}

void TextureCache::setSkinFolders(std::vector<std::string> folders) {
    skinFolders = std::move(folders);
}

std::string TextureCache::packagePath(const std::string& packageName) const {
    std::error_code ignored;  // an unreadable folder holds no package
    for (const std::string& folder : skinFolders) {
        if (std::filesystem::is_regular_file(folder + packageName, ignored)) return folder + packageName;
    }
    const bool noPrefix = !basePath.empty() && basePath[0] == '0';
    return noPrefix ? packageName : basePath + packageName;
}

void TextureCache::prefetchImages(const std::vector<std::string>& packageNames) {
    std::vector<std::string> paths;
    for (const std::string& name : packageNames) paths.push_back(packagePath(name));
    prefetch.start(paths, packageNames);
}

EntryBytes TextureCache::acquireEntry(const std::string& packageName,
                                      const std::string& entryName) {
    return acquirePackage(packageName)->entryBytes(entryName);
}

uint32_t TextureCache::acquireTexture(const std::string& packageName,
                                      const std::string& entryName) {
    PackageFile* package = acquirePackage(packageName);
    PlainPng decoded;
    if (prefetch.take(packageName, entryName, decoded)) return package->acquireTexture(entryName, &decoded);
    return package->acquireTexture(entryName);
}

void TextureCache::releaseTexture(const std::string& packageName, uint32_t textureName) {
    PackageFile* package = packages.object(packageName);
    if (!package) return;
    package->releaseTexture(textureName);
    packages.release(packageName);
}

void TextureCache::releasePackage(const std::string& packageName) {
    packages.release(packageName);
}

int32_t TextureCache::packageUses(const std::string& packageName) const {
    return packages.uses(packageName);
}

PackageFile* TextureCache::findPackage(const std::string& packageName) const {
    return packages.object(packageName);
}
