#include "proctex/fire.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace {

struct Blend {
    int32_t start, end;  // end exclusive
    uint8_t from[4], to[4];
};

constexpr Blend paletteBlends[] = {
    {0, 64, {0, 0, 0, 0}, {255, 51, 36, 140}},
    {64, 96, {255, 51, 36, 140}, {255, 189, 51, 255}},
    {96, 128, {255, 189, 51, 255}, {255, 237, 51, 255}},
    {128, 196, {255, 237, 51, 255}, {100, 100, 189, 255}},
    {196, 255, {100, 100, 189, 255}, {255, 231, 51, 255}},
};

}  // namespace

void fillFirePalette(uint8_t (&palette)[256][4]) {
    std::memset(palette, 0, sizeof palette);
    for (const Blend& blend : paletteBlends) {
        for (int32_t i = blend.start; i < blend.end; ++i) {
            const double f = static_cast<double>(i - blend.start) / (blend.end - blend.start);
            for (int c = 0; c < 4; ++c) {
                const double value = blend.from[c] + (blend.to[c] - blend.from[c]) * f;
                palette[i][c] = static_cast<uint8_t>(static_cast<int32_t>(value));
            }
        }
    }
}

FireState* makeFireState(int32_t width, int32_t height) {
    FireState* state = new FireState;
    state->width = width;
    state->rowCount = height + 3;
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height + 3);
    state->bufferA.reset(new uint8_t[cells]());
    state->bufferB.reset(new uint8_t[cells]());
    state->heatCurrent = state->bufferA.get();
    state->heatNext = state->bufferB.get();
    fillFirePalette(state->palette);
    return state;
}

void deleteFireState(void* userData) {
    delete static_cast<FireState*>(userData);
}

void seedFire(FireState& state, int32_t height) {
    const int32_t width = state.width;
    uint8_t* heat = state.heatCurrent;
    // Separate statements keep the order of the rand() calls fixed.
    const int32_t seeds = std::rand() & (width - 1);
    for (int32_t i = 0; i < seeds; ++i) {
        const int32_t x = std::rand() % width;
        const int32_t r = std::rand() % 3;
        heat[static_cast<size_t>(height + r) * width + x] = static_cast<uint8_t>(std::rand() % 256);
    }
    const int32_t x = std::rand() % width;
    const int32_t y = height / 2 + std::rand() % (height / 2);
    heat[static_cast<size_t>(y) * width + x] = static_cast<uint8_t>(std::rand() % 256);
}

void spreadFire(FireState& state, int32_t height) {
    const int32_t width = state.width;
    const uint8_t* current = state.heatCurrent;
    uint8_t* next = state.heatNext;
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* row0 = current + static_cast<size_t>(y) * width;
        const uint8_t* row1 = row0 + width;
        const uint8_t* row2 = row1 + width;
        uint8_t* out = next + static_cast<size_t>(y) * width;
        out[0] = 0;
        for (int32_t x = 1; x < width - 1; ++x) {
            const int32_t sum = row0[x - 1] + row0[x + 1] + row1[x - 1] + row1[x] + row1[x + 1] +
                                row2[x - 1] + row2[x] + row2[x + 1];
            const int32_t a = sum / 8;
            out[x] = static_cast<uint8_t>(a > 0 ? a - 1 : 0);
        }
        out[width - 1] = 0;
    }
}

void generateFire(int32_t, int32_t width, int32_t height, uint8_t* pixels, void* userData) {
    FireState& state = *static_cast<FireState*>(userData);
    if (width != state.width || height + 3 != state.rowCount) return;  // made for another size
    seedFire(state, height);
    spreadFire(state, height);
    const size_t cells = static_cast<size_t>(width) * static_cast<size_t>(height);
    for (size_t j = 0; j < cells; ++j) {
        std::memcpy(pixels + j * 4, state.palette[state.heatNext[j]], 4);
    }
    std::swap(state.heatCurrent, state.heatNext);
}
