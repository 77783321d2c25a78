// Resizing imported texture images to the sizes the show's textures take:
// powers of two (its GL is used without the non-power-of-two extension).
#pragma once

#include <cstdint>
#include <vector>

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
