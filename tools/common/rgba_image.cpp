#include "common/rgba_image.h"

#include <algorithm>
#include <cmath>

namespace {

// The taps of one output coordinate along one axis: source indices and their
// normalised weights.
struct Taps {
    std::vector<int32_t> index;
    std::vector<float> weight;
};

std::vector<Taps> tapsFor(int32_t source, int32_t target) {
    const double scale = static_cast<double>(source) / target;
    const double radius = std::max(1.0, scale);  // tent half-width in source pixels
    std::vector<Taps> all(static_cast<size_t>(target));
    for (int32_t i = 0; i < target; ++i) {
        const double centre = (i + 0.5) * scale - 0.5;
        const int32_t first = static_cast<int32_t>(std::floor(centre - radius)) + 1;
        const int32_t last = static_cast<int32_t>(std::ceil(centre + radius)) - 1;
        Taps& taps = all[static_cast<size_t>(i)];
        double sum = 0;
        for (int32_t s = first; s <= last; ++s) {
            const double w = 1 - std::abs(s - centre) / radius;
            if (w <= 0) continue;
            taps.index.push_back(std::clamp(s, 0, source - 1));
            taps.weight.push_back(static_cast<float>(w));
            sum += w;
        }
        if (taps.index.empty()) {  // the centre falls exactly between taps
            taps.index.push_back(std::clamp(static_cast<int32_t>(std::lround(centre)), 0, source - 1));
            taps.weight.push_back(1);
            sum = 1;
        }
        for (float& w : taps.weight) w = static_cast<float>(w / sum);
    }
    return all;
}

}  // namespace

Picture reduced(const Picture& image, int32_t factor) {
    Picture out;
    out.width = image.width / factor;
    out.height = image.height / factor;
    out.rgba.resize(static_cast<size_t>(out.width) * out.height * 4);
    for (int32_t y = 0; y < out.height; ++y) {
        for (int32_t x = 0; x < out.width; ++x) {
            uint32_t sum[4] = {0, 0, 0, 0};
            for (int32_t dy = 0; dy < factor; ++dy) {
                const uint8_t* p = &image.rgba[(static_cast<size_t>(y * factor + dy) * image.width +
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

int32_t nearestPowerOfTwo(int32_t size, int32_t limit) {
    int32_t power = 1;
    // Up while the next power is nearer on a log scale: size > power x sqrt(2).
    while (power < limit && static_cast<double>(size) * size > 2.0 * power * power) power *= 2;
    return power;
}

std::vector<uint8_t> resizeRgba(const uint8_t* pixels, int32_t sourceWidth, int32_t sourceHeight,
                                int32_t pitch, int32_t width, int32_t height) {
    const std::vector<Taps> across = tapsFor(sourceWidth, width);
    const std::vector<Taps> down = tapsFor(sourceHeight, height);
    // Rows first into a float buffer (width x sourceHeight), then columns.
    std::vector<float> rows(static_cast<size_t>(width) * sourceHeight * 4);
    for (int32_t y = 0; y < sourceHeight; ++y) {
        const uint8_t* row = pixels + static_cast<size_t>(y) * pitch;
        for (int32_t x = 0; x < width; ++x) {
            const Taps& taps = across[static_cast<size_t>(x)];
            float* out = &rows[(static_cast<size_t>(y) * width + x) * 4];
            for (size_t t = 0; t < taps.index.size(); ++t) {
                const uint8_t* in = row + static_cast<size_t>(taps.index[t]) * 4;
                for (int c = 0; c < 4; ++c) out[c] += taps.weight[t] * in[c];
            }
        }
    }
    std::vector<uint8_t> result(static_cast<size_t>(width) * height * 4);
    for (int32_t y = 0; y < height; ++y) {
        const Taps& taps = down[static_cast<size_t>(y)];
        for (int32_t x = 0; x < width; ++x) {
            float sum[4] = {0, 0, 0, 0};
            for (size_t t = 0; t < taps.index.size(); ++t) {
                const float* in = &rows[(static_cast<size_t>(taps.index[t]) * width + x) * 4];
                for (int c = 0; c < 4; ++c) sum[c] += taps.weight[t] * in[c];
            }
            uint8_t* out = &result[(static_cast<size_t>(y) * width + x) * 4];
            for (int c = 0; c < 4; ++c) out[c] = static_cast<uint8_t>(std::clamp(std::lround(sum[c]), 0L, 255L));
        }
    }
    return result;
}
