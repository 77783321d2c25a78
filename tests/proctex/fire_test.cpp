#include "proctex/fire.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Cell {
    int32_t x, y;
};

uint8_t& heat(uint8_t* buffer, const FireState& state, int32_t x, int32_t y) {
    return buffer[static_cast<size_t>(y) * state.width + x];
}

TEST(Fire, PaletteEntries) {
    uint8_t palette[256][4];
    fillFirePalette(palette);
    const struct {
        int index;
        uint8_t rgba[4];
    } expected[] = {
        {0, {0, 0, 0, 0}},          {1, {3, 0, 0, 2}},          {32, {127, 25, 18, 70}},
        {63, {251, 50, 35, 137}},   {64, {255, 51, 36, 140}},   {95, {255, 184, 50, 251}},
        {128, {255, 237, 51, 255}}, {195, {102, 102, 186, 255}}, {196, {100, 100, 189, 255}},
        {254, {252, 228, 53, 255}},
    };
    for (const auto& e : expected) {
        for (int c = 0; c < 4; ++c) EXPECT_EQ(palette[e.index][c], e.rgba[c]) << e.index << "/" << c;
    }
}

TEST(Fire, CellIsTheEighthOfItsNeighboursLessOne) {
    std::unique_ptr<FireState> state(makeFireState(5, 2));
    uint8_t* current = state->heatCurrent;
    heat(current, *state, 2, 0) = 255;  // the cell itself does not count
    const Cell neighbours[] = {{1, 0}, {3, 0}, {1, 1}, {2, 1}, {3, 1}, {1, 2}, {2, 2}, {3, 2}};
    const uint8_t values[] = {12, 12, 12, 12, 13, 13, 13, 13};  // sum 100
    for (int i = 0; i < 8; ++i) heat(current, *state, neighbours[i].x, neighbours[i].y) = values[i];
    spreadFire(*state, 2);
    EXPECT_EQ(heat(state->heatNext, *state, 2, 0), 11);

    for (int sum : {1, 7, 8, 15, 16}) {
        std::unique_ptr<FireState> s(makeFireState(3, 2));
        heat(s->heatCurrent, *s, 1, 2) = static_cast<uint8_t>(sum);  // below, two rows down
        spreadFire(*s, 2);
        EXPECT_EQ(heat(s->heatNext, *s, 1, 0), sum / 8 > 0 ? sum / 8 - 1 : 0) << sum;
    }
}

TEST(Fire, EdgeColumnsAreAlwaysColdAndRowsBelowThePictureUntouched) {
    const int32_t width = 6, height = 4;
    std::unique_ptr<FireState> state(makeFireState(width, height));
    std::memset(state->heatCurrent, 200, static_cast<size_t>(width * (height + 3)));
    std::memset(state->heatNext, 77, static_cast<size_t>(width * (height + 3)));
    spreadFire(*state, height);
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            const int expected = (x == 0 || x == width - 1) ? 0 : 199;
            EXPECT_EQ(heat(state->heatNext, *state, x, y), expected) << x << "," << y;
        }
    }
    for (int32_t y = height; y < height + 3; ++y) {
        for (int32_t x = 0; x < width; ++x) EXPECT_EQ(heat(state->heatNext, *state, x, y), 77);
    }
}

TEST(Fire, SeedsFollowTheRandomSequenceInItsOrder) {
    const int32_t width = 16, height = 8;
    for (unsigned seed : {1u, 7u, 2024u}) {
        // The expected cells, drawn from the same sequence by hand.
        std::srand(seed);
        std::vector<uint8_t> expected(static_cast<size_t>(width * (height + 3)), 0);
        const int n = std::rand() & (width - 1);
        EXPECT_LE(n, width - 1);
        for (int i = 0; i < n; ++i) {
            const int x = std::rand() % width;
            const int r = std::rand() % 3;
            expected[static_cast<size_t>((height + r) * width + x)] = static_cast<uint8_t>(std::rand() % 256);
        }
        const int sparkX = std::rand() % width;
        const int sparkY = height / 2 + std::rand() % (height / 2);
        expected[static_cast<size_t>(sparkY * width + sparkX)] = static_cast<uint8_t>(std::rand() % 256);
        const int after = std::rand();

        std::unique_ptr<FireState> state(makeFireState(width, height));
        std::srand(seed);
        seedFire(*state, height);
        EXPECT_EQ(std::rand(), after) << "seeding drew a different number of values";
        EXPECT_EQ(std::vector<uint8_t>(state->heatCurrent, state->heatCurrent + expected.size()), expected)
            << "seed " << seed;
    }
}

TEST(Fire, StepColoursThePictureFromTheNewHeatAndSwapsTheBuffers) {
    const int32_t width = 8, height = 32;
    std::unique_ptr<FireState> state(makeFireState(width, height));
    uint8_t* const written = state->heatNext;
    std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 4), 0xCD);
    std::srand(3);
    generateFire(0, width, height, pixels.data(), state.get());
    EXPECT_EQ(state->heatCurrent, written);
    for (int32_t j = 0; j < width * height; ++j) {
        EXPECT_EQ(std::memcmp(&pixels[static_cast<size_t>(j) * 4], state->palette[written[j]], 4), 0) << j;
    }
    // The spark lies in the lower half and seeds below the picture: after one
    // step from cold, the top rows cannot have been reached.
    for (int32_t j = 0; j < width * 8 * 4; ++j) EXPECT_EQ(pixels[static_cast<size_t>(j)], 0) << j;
}

TEST(Fire, SmallestSizesWork) {
    for (const auto& size : {std::pair{1, 2}, std::pair{2, 2}, std::pair{1, 9}}) {
        std::unique_ptr<FireState> state(makeFireState(size.first, size.second));
        std::vector<uint8_t> pixels(static_cast<size_t>(size.first * size.second * 4), 0xCD);
        for (int i = 0; i < 20; ++i) generateFire(0, size.first, size.second, pixels.data(), state.get());
        // At most two columns, both edge columns: always cold.
        for (uint8_t byte : pixels) EXPECT_EQ(byte, 0);
    }
}

}  // namespace
