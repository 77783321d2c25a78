#include "proctex/plasma.h"

#include <cmath>
#include <cstddef>

namespace {

struct Phases {
    double p1, p2, p3;
};

Phases phasesAt(int32_t ticks) {
    const double t = ticks;
    return {t * -0.00012, t * -0.00024, t * -0.0048};
}

// One pixel from its sine sum; shared by both generators so only the sum can
// differ, and the tests make sure it does not.
inline void shadePixel(double s, bool grid, const PlasmaColour& colour, uint8_t* out) {
    const int32_t v = static_cast<int32_t>(s * 21 + 128);
    const uint8_t d = static_cast<uint8_t>(v - 120);
    out[0] = static_cast<uint8_t>(colour.red + d);
    out[1] = grid ? 127 : static_cast<uint8_t>(colour.green + d);
    out[2] = static_cast<uint8_t>(colour.blue + d);
    out[3] = (grid || (v >= 121 && v <= 126)) ? 255 : 0;
}

inline bool onGrid(int32_t x, int32_t y, int32_t width, int32_t height) {
    return x % 16 == 0 || y % 16 == 0 || x == width - 1 || y == height - 1;
}

}  // namespace

PlasmaState* makePlasmaState(const PlasmaColour& colour, int32_t width, int32_t height) {
    PlasmaState* state = new PlasmaState;
    state->colour = colour;
    state->width = width;
    state->height = height;
    state->columnSums.resize(static_cast<size_t>(width));
    state->rowSines.resize(static_cast<size_t>(height) * 3);
    return state;
}

void deletePlasmaState(void* userData) {
    delete static_cast<PlasmaState*>(userData);
}

void generatePlasma(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels,
                    void* userData) {
    PlasmaState& state = *static_cast<PlasmaState*>(userData);
    if (width != state.width || height != state.height) {
        // Tables made for another size: still the right pixels, just slower.
        generatePlasmaDirect(ticks, width, height, pixels, state.colour);
        return;
    }
    const Phases p = phasesAt(ticks);
    const double cx = 6.28 / width;
    const double cy = 6.28 / height;
    for (int32_t x = 0; x < width; ++x) {
        const double fx = x;
        state.columnSums[static_cast<size_t>(x)] =
            std::sin(fx * cx + p.p1) + std::sin(fx * (2 * cx) + p.p2) + std::sin(fx * (4 * cx) + p.p3);
    }
    for (int32_t y = 0; y < height; ++y) {
        const double fy = y;
        double* row = &state.rowSines[static_cast<size_t>(y) * 3];
        row[0] = std::sin(fy * cy + p.p1);
        row[1] = std::sin(fy * (2 * cy) + p.p2);
        row[2] = std::sin(fy * (4 * cy) + p.p3);
    }
    const double* columns = state.columnSums.data();
    uint8_t* out = pixels;
    for (int32_t y = 0; y < height; ++y) {
        const double* row = &state.rowSines[static_cast<size_t>(y) * 3];
        const double r0 = row[0], r1 = row[1], r2 = row[2];
        const bool gridRow = y % 16 == 0 || y == height - 1;
        for (int32_t x = 0; x < width; ++x, out += 4) {
            const double s = ((columns[x] + r0) + r1) + r2;
            shadePixel(s, gridRow || x % 16 == 0 || x == width - 1, state.colour, out);
        }
    }
}

void generatePlasmaDirect(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels,
                          const PlasmaColour& colour) {
    const Phases p = phasesAt(ticks);
    const double cx = 6.28 / width;
    const double cy = 6.28 / height;
    uint8_t* out = pixels;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x, out += 4) {
            const double fx = x;
            const double fy = y;
            const double s = std::sin(fx * cx + p.p1) + std::sin(fx * (2 * cx) + p.p2) +
                             std::sin(fx * (4 * cx) + p.p3) + std::sin(fy * cy + p.p1) +
                             std::sin(fy * (2 * cy) + p.p2) + std::sin(fy * (4 * cy) + p.p3);
            shadePixel(s, onGrid(x, y, width, height), colour, out);
        }
    }
}
