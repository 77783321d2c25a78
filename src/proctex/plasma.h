// Plasma: a moving pattern of summed sines, opaque only in a narrow contour
// band and on a 16-pixel grid.
//
// For pixel (x, y) of a W x H texture at tick t (milliseconds), in double:
//   cx = 6.28 / W, cy = 6.28 / H        (6.28, not 2 pi)
//   p1 = t x -0.00012, p2 = t x -0.00024, p3 = t x -0.0048
//   s  = sin(x cx + p1) + sin(x 2cx + p2) + sin(x 4cx + p3)
//      + sin(y cy + p1) + sin(y 2cy + p2) + sin(y 4cy + p3)   added left to right
//   v  = s x 21 + 128 truncated (2..254);  d = (v - 120) mod 256
//   red, green, blue = base + d (mod 256); alpha 255 for v in 121..126, else 0
//   grid: x or y a multiple of 16, or x = W - 1, or y = H - 1:
//         green 127 and alpha 255
//
// The fast generator computes the three column sines once per column and the
// three row sines once per row, into tables allocated with the state, and
// keeps the left-to-right order of the six additions per pixel, so its bytes
// equal the direct per-pixel evaluation exactly. Nothing is allocated per
// update.
#pragma once

#include <cstdint>
#include <vector>

struct PlasmaColour {
    uint8_t red = 0;
    uint8_t green = 0;
    uint8_t blue = 0;
};

// userData of a Plasma texture: the base colour and the sine tables.
struct PlasmaState {
    PlasmaColour colour;
    int32_t width = 0;
    int32_t height = 0;
    std::vector<double> columnSums;  // (sin1 + sin2) + sin3 of each column
    std::vector<double> rowSines;    // the three sines of each row
};

PlasmaState* makePlasmaState(const PlasmaColour& colour, int32_t width, int32_t height);
void deletePlasmaState(void* userData);

// The generator: fills width x height RGBA pixels for `ticks`. `userData` is a
// PlasmaState made for this width and height.
void generatePlasma(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels,
                    void* userData);

// The same pixels by evaluating all six sines per pixel; the reference the
// fast generator is held to (tests, benchmarks).
void generatePlasmaDirect(int32_t ticks, int32_t width, int32_t height, uint8_t* pixels,
                          const PlasmaColour& colour);
