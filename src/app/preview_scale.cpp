#include "app/preview_scale.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Where each destination pixel's centre falls in the source, along one axis:
// the two neighbouring source pixels and the weight of the second, in 1/256.
struct Sample {
    int32_t first;
    int32_t second;
    uint32_t weight;
};

std::vector<Sample> samplesAlong(int32_t source, int32_t destination) {
    std::vector<Sample> samples(static_cast<size_t>(destination));
    const double step = static_cast<double>(source) / destination;
    for (int32_t i = 0; i < destination; ++i) {
        const double at = std::clamp((i + 0.5) * step - 0.5, 0.0, source - 1.0);
        const auto first = static_cast<int32_t>(at);
        samples[static_cast<size_t>(i)] = {first, std::min(first + 1, source - 1),
                                           static_cast<uint32_t>(std::lround((at - first) * 256))};
    }
    return samples;
}

uint32_t mix(uint32_t a, uint32_t b, uint32_t weight) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t from = a >> shift & 0xFF, to = b >> shift & 0xFF;
        out |= ((from * (256 - weight) + to * weight + 128) >> 8) << shift;
    }
    return out;
}

}  // namespace

PreviewPaint fitPreviewToArea(const PreviewPaint& picture, int32_t areaWidth, int32_t areaHeight) {
    PreviewPaint area = blackPreviewPaint(areaWidth, areaHeight);
    if (area.pixels.empty() || picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() != static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height)) {
        return area;
    }
    const double scale = std::min(static_cast<double>(areaWidth) / picture.width,
                                  static_cast<double>(areaHeight) / picture.height);
    const int32_t width = std::clamp(static_cast<int32_t>(std::lround(picture.width * scale)), 1, areaWidth);
    const int32_t height = std::clamp(static_cast<int32_t>(std::lround(picture.height * scale)), 1, areaHeight);
    const int32_t left = (areaWidth - width) / 2, top = (areaHeight - height) / 2;

    const std::vector<Sample> columns = samplesAlong(picture.width, width);
    const std::vector<Sample> rows = samplesAlong(picture.height, height);
    const auto at = [&](int32_t x, int32_t y) {
        return picture.pixels[static_cast<size_t>(y) * static_cast<size_t>(picture.width) + static_cast<size_t>(x)];
    };
    for (int32_t y = 0; y < height; ++y) {
        const Sample& row = rows[static_cast<size_t>(y)];
        uint32_t* out = &area.pixels[static_cast<size_t>(top + y) * static_cast<size_t>(areaWidth) +
                                     static_cast<size_t>(left)];
        for (const Sample& column : columns) {
            const uint32_t upper = mix(at(column.first, row.first), at(column.second, row.first), column.weight);
            const uint32_t lower = mix(at(column.first, row.second), at(column.second, row.second), column.weight);
            *out++ = mix(upper, lower, row.weight);
        }
    }
    return area;
}
