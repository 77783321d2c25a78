// Windows icon files (.ico) holding one PNG-compressed image per size, as
// Windows Vista and later read them at every size, 256 pixels included.
#pragma once

#include <cstdint>
#include <vector>

struct IconImage {
    int size = 0;              // square side in pixels, 1..256
    std::vector<uint8_t> png;  // a 32-bit RGBA PNG file of size x size
};

// The icon file: the directory, then the images in the order given.
std::vector<uint8_t> encodeIco(const std::vector<IconImage>& images);
