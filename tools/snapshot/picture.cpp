#include "picture.h"

Picture reduced(const Picture& picture, int32_t factor) {
    Picture out;
    out.width = picture.width / factor;
    out.height = picture.height / factor;
    out.rgba.resize(static_cast<size_t>(out.width) * out.height * 4);
    for (int32_t y = 0; y < out.height; ++y) {
        for (int32_t x = 0; x < out.width; ++x) {
            uint32_t sum[4] = {0, 0, 0, 0};
            for (int32_t dy = 0; dy < factor; ++dy) {
                const uint8_t* p = &picture.rgba[(static_cast<size_t>(y * factor + dy) * picture.width +
                                                  x * factor) * 4];
                for (int32_t dx = 0; dx < factor * 4; ++dx) sum[dx % 4] += p[dx];
            }
            const uint32_t n = static_cast<uint32_t>(factor * factor);
            for (int c = 0; c < 4; ++c) {
                out.rgba[(static_cast<size_t>(y) * out.width + x) * 4 + c] =
                    static_cast<uint8_t>((sum[c] + n / 2) / n);
            }
        }
    }
    return out;
}

std::vector<uint8_t> encodeBmp24(const Picture& picture) {
    const uint32_t rowBytes = (static_cast<uint32_t>(picture.width) * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(picture.height);
    std::vector<uint8_t> out;
    out.reserve(54 + pixelBytes);
    auto put16 = [&](uint32_t v) { out.insert(out.end(), {uint8_t(v), uint8_t(v >> 8)}); };
    auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    out.insert(out.end(), {'B', 'M'});
    put32(54 + pixelBytes);  // file size
    put32(0);                // reserved
    put32(54);               // offset of the pixels
    put32(40);               // BITMAPINFOHEADER
    put32(static_cast<uint32_t>(picture.width));
    put32(static_cast<uint32_t>(picture.height));  // positive: bottom-up
    put16(1);                // planes
    put16(24);               // bits per pixel
    put32(0);                // no compression
    put32(pixelBytes);
    put32(2835);             // 72 dpi
    put32(2835);
    put32(0);
    put32(0);
    for (int32_t y = picture.height - 1; y >= 0; --y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint8_t* p = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0]});
        }
        out.insert(out.end(), rowBytes - static_cast<uint32_t>(picture.width) * 3, 0);
    }
    return out;
}
