#include "picture.h"

#include "common/bmp_writer.h"

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
    return encodeBmp24(picture.width, picture.height, picture.rgba);
}
