#include "canvas.h"

#include <algorithm>
#include <cmath>

#include "shapes.h"

namespace {

// One box pass of radius r (window 2r + 1) along rows or columns of `count`
// lines of `length` samples, `channels` interleaved floats per sample. Samples
// outside the line count as 0.
void boxPass(std::vector<float>& data, int length, int count, size_t along, size_t across,
             int channels, int r) {
    std::vector<double> line(static_cast<size_t>(length) * channels);
    const double norm = 1.0 / (2 * r + 1);
    for (int l = 0; l < count; ++l) {
        const size_t base = l * across;
        for (int i = 0; i < length; ++i) {
            for (int c = 0; c < channels; ++c) line[i * channels + c] = data[base + i * along + c];
        }
        for (int c = 0; c < channels; ++c) {
            double sum = 0;
            for (int i = 0; i <= std::min(r, length - 1); ++i) sum += line[i * channels + c];
            for (int i = 0; i < length; ++i) {
                data[base + i * along + c] = static_cast<float>(sum * norm);
                const int enter = i + r + 1, leave = i - r;
                if (enter < length) sum += line[enter * channels + c];
                if (leave >= 0) sum -= line[leave * channels + c];
            }
        }
    }
}

// Three box passes each way approximate a Gaussian of sigma ~ radius / 2.
void blurChannels(std::vector<float>& data, int width, int height, int channels, int radiusPx) {
    if (radiusPx < 1) return;
    const int r = std::max(1, radiusPx / 2);
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(data, width, height, channels, static_cast<size_t>(width) * channels, channels, r);
        boxPass(data, height, width, static_cast<size_t>(width) * channels, channels, channels, r);
    }
}

}  // namespace

Colour rgb(uint32_t hex, float alpha) {
    return {((hex >> 16) & 0xFF) / 255.0f, ((hex >> 8) & 0xFF) / 255.0f, (hex & 0xFF) / 255.0f,
            alpha};
}

Colour mix(const Colour& from, const Colour& to, double t) {
    const float u = static_cast<float>(std::clamp(t, 0.0, 1.0));
    return {from.r + (to.r - from.r) * u, from.g + (to.g - from.g) * u,
            from.b + (to.b - from.b) * u, from.a + (to.a - from.a) * u};
}

Colour withAlpha(Colour colour, float alpha) {
    colour.a = alpha;
    return colour;
}

Grid Grid::scaled(int factor) const {
    return {width * factor, height * factor, left, top, unitsPerPixel / factor};
}

Grid centredGrid(int width, int height, double unitsPerPixel, double cx, double cy) {
    return {width, height, cx - width * unitsPerPixel / 2, cy + height * unitsPerPixel / 2,
            unitsPerPixel};
}

Mask::Mask(const Grid& g) : grid(g), values(static_cast<size_t>(g.width) * g.height, 0.0f) {}

void Mask::add(const std::function<double(double, double)>& distance, float strength) {
    for (int row = 0; row < grid.height; ++row) {
        const double y = grid.y(row);
        for (int column = 0; column < grid.width; ++column) {
            const float cover = edgeCoverage(distance(grid.x(column), y), grid.unitsPerPixel) *
                                strength;
            float& v = at(column, row);
            v = std::max(v, cover);
        }
    }
}

void Mask::cut(const std::function<double(double, double)>& distance) {
    for (int row = 0; row < grid.height; ++row) {
        const double y = grid.y(row);
        for (int column = 0; column < grid.width; ++column) {
            at(column, row) *= 1 - edgeCoverage(distance(grid.x(column), y), grid.unitsPerPixel);
        }
    }
}

void Mask::intersect(const Mask& other) {
    for (size_t i = 0; i < values.size(); ++i) values[i] *= other.values[i];
}

void Mask::scale(float factor) {
    for (float& v : values) v = std::min(1.0f, v * factor);
}

Mask blurred(const Mask& mask, double radius) {
    Mask out = mask;
    blurChannels(out.values, mask.grid.width, mask.grid.height, 1,
                 static_cast<int>(std::lround(radius / mask.grid.unitsPerPixel)));
    return out;
}

Mask shifted(const Mask& mask, double dx, double dy) {
    Mask out(mask.grid);
    const int sx = static_cast<int>(std::lround(dx / mask.grid.unitsPerPixel));
    const int sy = static_cast<int>(std::lround(-dy / mask.grid.unitsPerPixel));
    for (int row = 0; row < mask.grid.height; ++row) {
        const int from = row - sy;
        if (from < 0 || from >= mask.grid.height) continue;
        for (int column = 0; column < mask.grid.width; ++column) {
            const int fromColumn = column - sx;
            if (fromColumn < 0 || fromColumn >= mask.grid.width) continue;
            out.at(column, row) = mask.at(fromColumn, from);
        }
    }
    return out;
}

Canvas::Canvas(const Grid& g) : grid(g), pixels(static_cast<size_t>(g.width) * g.height * 4, 0.0f) {}

void Canvas::fill(const Mask& mask, const Colour& colour, float opacity) {
    fill(mask, [&](double, double) { return colour; }, opacity);
}

void Canvas::fill(const Mask& mask, const std::function<Colour(double, double)>& colourAt,
                  float opacity) {
    for (int row = 0; row < grid.height; ++row) {
        for (int column = 0; column < grid.width; ++column) {
            const float cover = mask.at(column, row) * opacity;
            if (cover <= 0) continue;
            const Colour c = colourAt(grid.x(column), grid.y(row));
            const float a = std::clamp(c.a * cover, 0.0f, 1.0f);
            float* p = &pixels[(static_cast<size_t>(row) * grid.width + column) * 4];
            p[0] = c.r * a + p[0] * (1 - a);
            p[1] = c.g * a + p[1] * (1 - a);
            p[2] = c.b * a + p[2] * (1 - a);
            p[3] = a + p[3] * (1 - a);
        }
    }
}

void Canvas::paint(const std::function<Colour(double, double)>& colourAt) {
    Mask all(grid);
    std::fill(all.values.begin(), all.values.end(), 1.0f);
    fill(all, colourAt);
}

void Canvas::over(const Canvas& top, float opacity) {
    for (size_t i = 0; i < pixels.size(); i += 4) {
        const float a = top.pixels[i + 3] * opacity;
        for (int c = 0; c < 3; ++c) pixels[i + c] = top.pixels[i + c] * opacity + pixels[i + c] * (1 - a);
        pixels[i + 3] = a + pixels[i + 3] * (1 - a);
    }
}

Canvas Canvas::downsampled(int factor) const {
    Grid small = grid;
    small.width = grid.width / factor;
    small.height = grid.height / factor;
    small.unitsPerPixel = grid.unitsPerPixel * factor;
    Canvas out(small);
    const float norm = 1.0f / (factor * factor);
    for (int row = 0; row < small.height; ++row) {
        for (int column = 0; column < small.width; ++column) {
            float sum[4] = {0, 0, 0, 0};
            for (int dy = 0; dy < factor; ++dy) {
                const float* p = &pixels[(static_cast<size_t>(row * factor + dy) * grid.width +
                                          column * factor) * 4];
                for (int dx = 0; dx < factor; ++dx) {
                    for (int c = 0; c < 4; ++c) sum[c] += p[dx * 4 + c];
                }
            }
            float* o = &out.pixels[(static_cast<size_t>(row) * small.width + column) * 4];
            for (int c = 0; c < 4; ++c) o[c] = sum[c] * norm;
        }
    }
    return out;
}

std::vector<uint8_t> Canvas::rgba8() const {
    const size_t count = static_cast<size_t>(grid.width) * grid.height;
    // Colours for the transparent pixels: the premultiplied image blurred
    // wider and wider until every pixel has some colour around it.
    std::vector<float> bleed = pixels;
    auto unfilled = [&] {
        size_t n = 0;
        for (size_t i = 0; i < count; ++i) n += bleed[i * 4 + 3] < 1e-4f;
        return n;
    };
    for (int radius = 4; radius <= 256 && unfilled() > 0; radius *= 4) {
        std::vector<float> wide = pixels;
        blurChannels(wide, grid.width, grid.height, 4, radius);
        for (size_t i = 0; i < count; ++i) {
            if (bleed[i * 4 + 3] < 1e-4f && wide[i * 4 + 3] > 1e-6f) {
                for (int c = 0; c < 4; ++c) bleed[i * 4 + c] = wide[i * 4 + c];
            }
        }
    }
    std::vector<uint8_t> out(count * 4);
    auto byte = [](double v) {
        return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
    };
    for (size_t i = 0; i < count; ++i) {
        const float* p = &pixels[i * 4];
        const float* b = p[3] > 1e-4f ? p : &bleed[i * 4];
        const double a = b[3];
        for (int c = 0; c < 3; ++c) out[i * 4 + c] = a > 1e-9 ? byte(b[c] / a) : 0;
        out[i * 4 + 3] = byte(p[3]);
    }
    return out;
}
