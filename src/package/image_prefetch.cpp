#include "package/image_prefetch.h"

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <system_error>

#include "package/package_reader.h"

void ImagePrefetch::start(const std::vector<std::string>& paths, const std::vector<std::string>& packageNames) {
    if (started_) return;
    started_ = true;
    try {
        worker_ = std::thread(decodePackages, paths, packageNames, std::ref(decoded_));
    } catch (const std::system_error&) {
        // No thread: every image is decoded on the main thread as usual.
    }
}

void ImagePrefetch::decodePackages(std::vector<std::string> paths, std::vector<std::string> packageNames,
                                   std::vector<Decoded>& out) {
    // An exception must not leave the thread (that would end the program):
    // whatever fails, the main thread decodes as it always could.
    try {
        decodeWithin(paths, packageNames, out);
    } catch (...) {
        out.clear();
    }
}

void ImagePrefetch::decodeWithin(const std::vector<std::string>& paths, const std::vector<std::string>& packageNames,
                                 std::vector<Decoded>& out) {
    size_t bytesHeld = 0;
    for (size_t p = 0; p < paths.size() && p < packageNames.size(); ++p) {
        const std::string& packageName = packageNames[p];
        std::ifstream file(paths[p], std::ios::binary);
        if (!file) continue;
        const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        std::vector<PackageEntryView> entries;
        std::string error;
        if (file.bad() || !readPackageEntries(bytes.data(), bytes.size(), entries, error)) continue;
        std::vector<std::string> seen;  // a package finds the first entry of a name
        for (const PackageEntryView& entry : entries) {
            if (std::find(seen.begin(), seen.end(), entry.name) != seen.end()) continue;
            seen.push_back(entry.name);
            if (!looksLikePng(entry.data, static_cast<size_t>(entry.size))) continue;
            Decoded decoded{packageName, entry.name, {}, false};
            if (decodePlainPng(entry.data, static_cast<size_t>(entry.size), decoded.image)) {
                bytesHeld += decoded.image.rgba.size();
                if (bytesHeld > maxBytesHeld) return;
                out.push_back(std::move(decoded));
            }
        }
    }
}

void ImagePrefetch::join() {
    if (worker_.joinable()) worker_.join();
}

bool ImagePrefetch::take(const std::string& packageName, const std::string& entryName, PlainPng& image) {
    // The worker owns the list until it is joined.
    if (!worker_.joinable() && decoded_.empty()) return false;
    join();
    for (Decoded& decoded : decoded_) {
        if (decoded.entryName != entryName || decoded.packageName != packageName) continue;
        if (decoded.taken) return false;
        decoded.taken = true;
        image = std::move(decoded.image);
        return true;
    }
    return false;
}

void ImagePrefetch::finish() {
    join();
    decoded_.clear();
    decoded_.shrink_to_fit();
    started_ = false;
}

size_t ImagePrefetch::waiting() {
    join();
    size_t count = 0;
    for (const Decoded& decoded : decoded_) count += decoded.taken ? 0 : 1;
    return count;
}
