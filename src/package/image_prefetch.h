// ImagePrefetch: decoding the packages' images on a second thread while the
// display starts. Setting the video mode takes a good part of start-up on
// software GL, with one core idle; the images the first frames upload take
// about as long again to decode on the main thread.
//
// start() reads the package files in the order given and decodes every image
// entry that is a plain PNG (png_decode.h: what our tools write) on a worker
// thread that touches nothing of SDL or GL. take() waits until the worker is
// through the entry's package (not the later ones), then hands the pixels
// out, once. finish() waits for the worker and frees what nobody took.
// Nothing here reports or ends the program: a file that cannot be read or
// parsed is passed over, and the show finds out when it opens the package,
// as before.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "package/png_decode.h"

class ImagePrefetch {
public:
    ImagePrefetch() = default;
    ~ImagePrefetch() { finish(); }
    ImagePrefetch(const ImagePrefetch&) = delete;
    ImagePrefetch& operator=(const ImagePrefetch&) = delete;

    // Starts the worker on the package files at `paths`, known by the
    // matching `packageNames`. A call while images are prefetched (before
    // finish) does nothing.
    void start(const std::vector<std::string>& paths, const std::vector<std::string>& packageNames);
    // The decoded image of the package's first entry of that name, moved into
    // `image`. False when there is none (not prefetched, or taken already).
    bool take(const std::string& packageName, const std::string& entryName, PlainPng& image);
    // Waits for the worker and frees every image not taken.
    void finish();

    // How many images wait to be taken (waits for the worker); for tests.
    size_t waiting();

    // Decoded pixels held at most; the images after that decode on the main
    // thread when they are needed (the show's own come to about 20 MB).
    static constexpr size_t maxBytesHeld = 64u << 20;

private:
    struct Decoded {
        std::string packageName;
        std::string entryName;
        PlainPng image;
        bool taken = false;
    };

    void decodePackages(std::vector<std::string> paths);
    // Appends one package's images and counts the package done.
    void publish(std::vector<Decoded> images);
    void join();

    std::thread worker_;
    bool started_ = false;
    std::vector<std::string> packageNames_;  // fixed while the worker runs

    std::mutex mutex_;  // guards what follows
    std::condition_variable progressed_;
    size_t packagesDone_ = 0;  // the first packagesDone_ packages are decoded
    bool workerDone_ = true;
    std::vector<Decoded> decoded_;
};
