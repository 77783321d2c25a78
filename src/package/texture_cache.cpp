#include "package/texture_cache.h"

// The program's one cache, made before main runs.
TextureCache textureCache;

TextureCache::~TextureCache() {
    for (PackageFile* package : packages) delete package;
}

void TextureCache::setBasePath(const std::string& path) {
    basePath = path;
}

int32_t TextureCache::findIndex(const std::string& packageName) const {
    for (size_t i = 0; i < packageKeys.size(); ++i) {
        if (packageKeys[i] == packageName) return static_cast<int32_t>(i);
    }
    return -1;
}

PackageFile* TextureCache::acquirePackage(const std::string& packageName) {
    const int32_t index = findIndex(packageName);
    if (index >= 0) {
        ++useCounts[static_cast<size_t>(index)];
        return packages[static_cast<size_t>(index)];
    }
    PackageFile* package = new PackageFile(packagePath(packageName));
    packages.push_back(package);
    packageKeys.push_back(packageName);
    useCounts.push_back(1);
    return package;
}

std::string TextureCache::packagePath(const std::string& packageName) const {
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
    const int32_t index = findIndex(packageName);
    if (index < 0) return;
    packages[static_cast<size_t>(index)]->releaseTexture(textureName);
    dropUse(static_cast<size_t>(index));
}

void TextureCache::releasePackage(const std::string& packageName) {
    const int32_t index = findIndex(packageName);
    if (index >= 0) dropUse(static_cast<size_t>(index));
}

void TextureCache::dropUse(size_t index) {
    if (--useCounts[index] != 0) return;
    delete packages[index];
    packages.erase(packages.begin() + static_cast<std::ptrdiff_t>(index));
    packageKeys.erase(packageKeys.begin() + static_cast<std::ptrdiff_t>(index));
    useCounts.erase(useCounts.begin() + static_cast<std::ptrdiff_t>(index));
}

int32_t TextureCache::packageUses(const std::string& packageName) const {
    const int32_t index = findIndex(packageName);
    return index < 0 ? 0 : useCounts[static_cast<size_t>(index)];
}

PackageFile* TextureCache::findPackage(const std::string& packageName) const {
    const int32_t index = findIndex(packageName);
    return index < 0 ? nullptr : packages[static_cast<size_t>(index)];
}
