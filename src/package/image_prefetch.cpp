#include "package/image_prefetch.h"

#include <algorithm>
#include <system_error>

#include "package/package_load.h"

void ImagePrefetch::start(const std::vector<std::string>& paths, const std::vector<std::string>& packageNames) {
    if (started_) return;
    started_ = true;
    packageNames_.assign(packageNames.begin(), packageNames.begin() + std::min(paths.size(), packageNames.size()));
    {
        std::lock_guard<std::mutex> lock(mutex_);
        packagesDone_ = 0;
        workerDone_ = false;
    }
    try {
        worker_ = std::thread(&ImagePrefetch::decodePackages, this, paths);
    } catch (const std::system_error&) {
        // No thread: every image is decoded on the main thread as usual.
        std::lock_guard<std::mutex> lock(mutex_);
        workerDone_ = true;
    }
}

void ImagePrefetch::decodePackages(std::vector<std::string> paths) {
    // An exception must not leave the thread (that would end the program):
    // whatever fails, the main thread decodes as it always could.
    try {
        size_t bytesHeld = 0;
        for (size_t p = 0; p < packageNames_.size() && bytesHeld <= maxBytesHeld; ++p) {
            std::vector<Decoded> images;
            LoadedPackage package;
            std::string error;
            if (loadPackageFile(paths[p], package, error) == PackageLoad::loaded) {
                std::vector<std::string> seen;  // a package finds the first entry of a name
                for (const PackageEntryView& entry : package.entries) {
                    if (std::find(seen.begin(), seen.end(), entry.name) != seen.end()) continue;
                    seen.push_back(entry.name);
                    if (!looksLikePng(entry.data, static_cast<size_t>(entry.size))) continue;
                    Decoded decoded{packageNames_[p], entry.name, {}, false};
                    if (!decodePlainPng(entry.data, static_cast<size_t>(entry.size), decoded.image)) continue;
                    bytesHeld += decoded.image.rgba.size();
                    if (bytesHeld > maxBytesHeld) break;
                    images.push_back(std::move(decoded));
                }
            }
            publish(std::move(images));
        }
    } catch (...) {
    }
    std::lock_guard<std::mutex> lock(mutex_);
    workerDone_ = true;
    progressed_.notify_all();
}

void ImagePrefetch::publish(std::vector<Decoded> images) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::move(images.begin(), images.end(), std::back_inserter(decoded_));
    ++packagesDone_;
    progressed_.notify_all();
}

void ImagePrefetch::join() {
    if (worker_.joinable()) worker_.join();
}

bool ImagePrefetch::take(const std::string& packageName, const std::string& entryName, PlainPng& image) {
    if (!started_) return false;
    const auto listed = std::find(packageNames_.begin(), packageNames_.end(), packageName);
    if (listed == packageNames_.end()) return false;
    const size_t index = static_cast<size_t>(listed - packageNames_.begin());
    std::unique_lock<std::mutex> lock(mutex_);
    progressed_.wait(lock, [&] { return workerDone_ || packagesDone_ > index; });
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
    std::lock_guard<std::mutex> lock(mutex_);
    decoded_.clear();
    decoded_.shrink_to_fit();
    started_ = false;
}

size_t ImagePrefetch::waiting() {
    join();
    std::lock_guard<std::mutex> lock(mutex_);
    size_t count = 0;
    for (const Decoded& decoded : decoded_) count += decoded.taken ? 0 : 1;
    return count;
}
