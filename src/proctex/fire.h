// Fire: flames rising from random seeds below the picture, cooled as they go.
//
// The heat buffers have three rows more than the texture: rows 0..H-1 are the
// picture, rows H..H+2 lie below it and take the random seeds. One update:
//   1 seeds:  n = rand() & (W - 1); n times: x = rand() % W, r = rand() % 3,
//             heatCurrent[H + r][x] = rand() % 256
//   2 spark:  x = rand() % W, y = H/2 + rand() % (H/2),
//             heatCurrent[y][x] = rand() % 256
//   3 spread: for every picture row y: heatNext[y][x] = a - 1 (a > 0) or 0,
//             a = (sum of the 8 cells (y, x-1), (y, x+1), (y+1, x-1..x+1),
//             (y+2, x-1..x+1) of heatCurrent) / 8; columns 0 and W-1 get 0
//   4 colour: pixel j = palette[heatNext[j]] for the W x H picture cells
//   5 swap heatCurrent and heatNext
// rand() is the C library's generator, shared with the rest of the program;
// the order of its calls above is part of the effect (tests seed it with
// srand). Rows below the picture are never cleared, so seeds stay until
// overwritten. Integer arithmetic only; nothing is allocated per update.
//
// Sizes: W >= 1 and H >= 2 (procedural_name.h refuses smaller ones).
#pragma once

#include <cstdint>
#include <memory>

struct FireState {
    uint8_t palette[256][4] = {};  // red, green, blue, alpha per heat value
    uint8_t* heatCurrent = nullptr;  // read by the next step, W x (H + 3)
    uint8_t* heatNext = nullptr;     // written by the step
    int32_t width = 0;
    int32_t rowCount = 0;  // H + 3
    std::unique_ptr<uint8_t[]> bufferA;  // the storage behind the two pointers
    std::unique_ptr<uint8_t[]> bufferB;
};

// Both heat buffers zeroed, palette filled.
FireState* makeFireState(int32_t width, int32_t height);
void deleteFireState(void* userData);

// Five linear blends (index ranges end-exclusive), channel = c0 + (c1 - c0) f
// truncated, f = (i - start) / (end - start):
//   0..63 black transparent -> (255, 51, 36, 140) -> 64..95 (255, 189, 51, 255)
//   -> 96..127 (255, 237, 51, 255) -> 128..195 (100, 100, 189, 255)
//   -> 196..254 (255, 231, 51, 255). Entry 255 stays 0; no step writes 255.
void fillFirePalette(uint8_t (&palette)[256][4]);

// The generator (ticks unused): steps 1 to 5 above.
void generateFire(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels, void* userData);

// Steps 1 and 2, and step 3 alone, for tests.
void seedFire(FireState& state, int32_t height);
void spreadFire(FireState& state, int32_t height);
