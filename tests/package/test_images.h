// Small images for tests, as the bytes of BMP files (which SDL_image decodes):
// 32-bit with an alpha channel (BITMAPV4HEADER with channel masks, which the
// bitmap writer does not make), and 24-bit without one, whose rows are padded
// to 4 bytes (common/bmp_writer.h).
#pragma once

#include <cstdint>
#include <vector>

#include "common/bmp_writer.h"

namespace testimages {

inline void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

inline void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// `rgba` holds width x height pixels, 4 bytes each, top row first.
inline std::vector<uint8_t> bmp32(int32_t width, int32_t height, const std::vector<uint8_t>& rgba) {
    const uint32_t headerSize = 108;
    const uint32_t imageSize = static_cast<uint32_t>(width * height * 4);
    std::vector<uint8_t> out{'B', 'M'};
    put32(out, 14 + headerSize + imageSize);
    put32(out, 0);
    put32(out, 14 + headerSize);
    put32(out, headerSize);
    put32(out, static_cast<uint32_t>(width));
    put32(out, static_cast<uint32_t>(-height));  // negative: top row first
    put16(out, 1);
    put16(out, 32);
    put32(out, 3);  // BI_BITFIELDS
    put32(out, imageSize);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0x00FF0000);  // red, green, blue, alpha masks
    put32(out, 0x0000FF00);
    put32(out, 0x000000FF);
    put32(out, 0xFF000000);
    put32(out, 0x73524742);  // 'sRGB'
    for (int i = 0; i < 12; ++i) put32(out, 0);
    for (int32_t i = 0; i < width * height; ++i) {
        out.push_back(rgba[i * 4 + 2]);
        out.push_back(rgba[i * 4 + 1]);
        out.push_back(rgba[i * 4 + 0]);
        out.push_back(rgba[i * 4 + 3]);
    }
    return out;
}

// One colour everywhere.
inline std::vector<uint8_t> solidBmp32(int32_t width, int32_t height, uint8_t r, uint8_t g,
                                       uint8_t b, uint8_t a) {
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = r;
        rgba[i + 1] = g;
        rgba[i + 2] = b;
        rgba[i + 3] = a;
    }
    return bmp32(width, height, rgba);
}

// `rgb` holds width x height pixels, 3 bytes each, top row first; the file's
// rows are top-down too.
inline std::vector<uint8_t> bmp24(int32_t width, int32_t height, const std::vector<uint8_t>& rgb) {
    std::vector<uint8_t> rgba;
    for (size_t i = 0; i + 2 < rgb.size(); i += 3) rgba.insert(rgba.end(), {rgb[i], rgb[i + 1], rgb[i + 2], 255});
    return encodeBmp24(width, height, rgba, {.topDown = true});
}

}  // namespace testimages
