// Picture: the tools' RGBA image, 8-bit straight RGBA in packed rows, top row
// first; what the tools render, import and write. Two ways to change its size: the box
// reduction of a supersampled rendering (snapshot) and the tent-filtered
// resampling to any size (imported textures, which must be powers of two).
#pragma once

#include <cstdint>
#include <vector>

// One picture; the tools' only RGBA image type.
struct Picture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgba;  // width x height x 4 bytes, top row first
};

// Averages factor x factor blocks, rounding to nearest (width and height must
// be multiples of `factor`).
Picture reduced(const Picture& image, int32_t factor);

// The power of two nearest to `size` on a log scale (300 -> 256, 400 -> 512),
// at least 1 and at most `limit` (itself a power of two).
int32_t nearestPowerOfTwo(int32_t size, int32_t limit);

// Resamples an RGBA image (`pitch` bytes per row, first row first) to
// width x height, packed. Each output pixel averages the source pixels under
// it with a tent filter as wide as the scale step, so shrinking does not
// alias and enlarging interpolates linearly. Alpha is weighted like the
// colours (straight alpha, as the show's textures are).
std::vector<uint8_t> resizeRgba(const uint8_t* pixels, int32_t sourceWidth, int32_t sourceHeight,
                                int32_t pitch, int32_t width, int32_t height);
