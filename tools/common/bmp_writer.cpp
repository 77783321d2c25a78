#include "bmp_writer.h"

#include <cstddef>

std::vector<uint8_t> encodeBmp24(int width, int height, const std::vector<uint8_t>& rgba) {
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.reserve(54 + pixelBytes);
    auto put16 = [&](uint32_t v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); };
    auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    out.insert(out.end(), {'B', 'M'});
    put32(54 + pixelBytes);  // file size
    put32(0);                // reserved
    put32(54);               // offset of the pixels
    put32(40);               // BITMAPINFOHEADER
    put32(static_cast<uint32_t>(width));
    put32(static_cast<uint32_t>(height));  // positive: bottom-up
    put16(1);                // planes
    put16(24);               // bits per pixel
    put32(0);                // no compression
    put32(pixelBytes);
    put32(2835);             // 72 dpi
    put32(2835);
    put32(0);
    put32(0);
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0]});
        }
        out.insert(out.end(), rowBytes - static_cast<uint32_t>(width) * 3, 0);
    }
    return out;
}
