#include "proctex/plasma.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct Pixel {
    int r, g, b, a;
    bool operator==(const Pixel& o) const { return r == o.r && g == o.g && b == o.b && a == o.a; }
};

std::ostream& operator<<(std::ostream& out, const Pixel& p) {
    return out << "(" << p.r << ", " << p.g << ", " << p.b << ", " << p.a << ")";
}

// Runs the generator the textures use, on a state made for the size.
std::vector<uint8_t> plasma(int32_t width, int32_t height, PlasmaColour colour, int32_t ticks) {
    std::unique_ptr<PlasmaState> state(makePlasmaState(colour, width, height));
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 4));
    generatePlasma(ticks, width, height, pixels.data(), state.get());
    return pixels;
}

Pixel at(const std::vector<uint8_t>& pixels, int32_t width, int32_t x, int32_t y) {
    const uint8_t* p = &pixels[static_cast<size_t>((y * width + x) * 4)];
    return {p[0], p[1], p[2], p[3]};
}

TEST(Plasma, KnownPixelsOf64By64AtTickZero) {
    const auto pixels = plasma(64, 64, {10, 20, 30}, 0);
    EXPECT_EQ(at(pixels, 64, 0, 0), (Pixel{18, 127, 38, 255}));  // s = 0, on the grid
    EXPECT_EQ(at(pixels, 64, 1, 1), (Pixel{46, 56, 66, 0}));     // v = 156, outside the band
    EXPECT_EQ(at(pixels, 64, 25, 1), (Pixel{16, 26, 36, 255}));  // v = 126, inside the band
}

TEST(Plasma, BaseColourWrapsAround) {
    const auto pixels = plasma(64, 64, {250, 0, 0}, 0);
    EXPECT_EQ(at(pixels, 64, 25, 1), (Pixel{0, 6, 6, 255}));  // (250 + 6) mod 256
    EXPECT_EQ(at(pixels, 64, 1, 1), (Pixel{30, 36, 36, 0}));   // (250 + 36) mod 256
}

TEST(Plasma, GridCoversEdgesAndEverySixteenthLine) {
    const auto pixels = plasma(40, 20, {1, 2, 3}, 0);
    for (int32_t y = 0; y < 20; ++y) {
        for (int32_t x = 0; x < 40; ++x) {
            const Pixel p = at(pixels, 40, x, y);
            const bool grid = x == 0 || x == 16 || x == 32 || x == 39 || y == 0 || y == 16 || y == 19;
            if (grid) {
                EXPECT_EQ(p.g, 127) << x << "," << y;
                EXPECT_EQ(p.a, 255) << x << "," << y;
            }
            // Off the grid, red and green carry the same offset from the base.
            if (!grid) {
                EXPECT_EQ(static_cast<uint8_t>(p.g - 2), static_cast<uint8_t>(p.r - 1));
            }
        }
    }
    const auto small = plasma(16, 16, {0, 0, 0}, 0);
    for (int32_t i = 0; i < 16; ++i) {
        for (Pixel p : {at(small, 16, i, 0), at(small, 16, 0, i), at(small, 16, 15, i), at(small, 16, i, 15)}) {
            EXPECT_EQ(p.g, 127);
            EXPECT_EQ(p.a, 255);
        }
    }
}

TEST(Plasma, FastGeneratorMatchesDirectEvaluationByteForByte) {
    const int32_t sizes[][2] = {{1, 1}, {2, 3}, {16, 16}, {17, 5}, {64, 64}, {100, 37}, {256, 256}};
    const PlasmaColour colour{13, 200, 77};
    uint32_t lcg = 12345;
    for (const auto& size : sizes) {
        const int32_t width = size[0], height = size[1];
        std::unique_ptr<PlasmaState> state(makePlasmaState(colour, width, height));
        const double* tables = state->columnSums.data();
        std::vector<uint8_t> fast(static_cast<size_t>(width * height * 4));
        std::vector<uint8_t> direct(fast.size());
        std::vector<int32_t> ticks = {0, 1, 16, 999, 60000, 123456, 86400000, 2147483647, -5000};
        const int extra = width * height > 10000 ? 8 : 120;
        for (int i = 0; i < extra; ++i) {
            lcg = lcg * 1664525u + 1013904223u;
            ticks.push_back(static_cast<int32_t>(lcg >> 1));
        }
        for (int32_t t : ticks) {
            generatePlasma(t, width, height, fast.data(), state.get());
            generatePlasmaDirect(t, width, height, direct.data(), colour);
            ASSERT_EQ(fast, direct) << width << "x" << height << " at " << t;
        }
        // The sine tables are the ones made with the state: no allocation per update.
        EXPECT_EQ(state->columnSums.data(), tables);
    }
}

TEST(Plasma, PatternMovesWithTime) {
    EXPECT_NE(plasma(32, 32, {0, 0, 0}, 0), plasma(32, 32, {0, 0, 0}, 500));
}

}  // namespace
