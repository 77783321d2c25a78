// PNG encoding of 8-bit RGBA images (libpng), in memory: image entries of the
// packages and the snapshot tool's pictures.
#pragma once

#include <cstdint>
#include <vector>

// `rgba` holds width x height x 4 bytes, row 0 (the top) first. With `opaque`
// the alpha channel is dropped (RGB file). Throws std::runtime_error when
// libpng fails.
std::vector<uint8_t> encodePng(int width, int height, const std::vector<uint8_t>& rgba,
                               bool opaque = false);
