// Pictures the snapshot tool writes: box-filtered reductions and the preview
// bitmap.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgba;  // top row first
};

// Averages factor x factor blocks (width and height must be multiples).
Picture reduced(const Picture& picture, int32_t factor);

// A Windows bitmap file: 24 bits per pixel, bottom-up rows padded to 4
// bytes (none at 152 pixels: 456 bytes a row), no colour table.
std::vector<uint8_t> encodeBmp24(const Picture& picture);
