// Drawing surfaces for the artwork generator.
//
// Grid maps pixels to model units (the units of the quad the image is put
// on), isotropically: pixel (0, 0) is the top-left one, x grows right and y
// grows up in model units, so an image is drawn in the same coordinates as
// the model that shows it. Mask is one coverage channel (0..1) over a grid;
// Canvas is premultiplied RGBA in floats (0..1) over a grid.
//
// Everything is drawn at a multiple of the final resolution and box-filtered
// down (Canvas::downsampled), which is all the anti-aliasing there is apart
// from the one-pixel soft edge of shapes (shapes.h).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

// A straight (not premultiplied) colour, channels 0..1.
struct Colour {
    float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB with an alpha.
Colour rgb(uint32_t hex, float alpha = 1);
// Channel-wise blend, t 0..1 (alpha included).
Colour mix(const Colour& from, const Colour& to, double t);
Colour withAlpha(Colour colour, float alpha);

struct Grid {
    int width = 0;   // pixels
    int height = 0;  // pixels
    double left = 0;           // model x of the left edge of column 0
    double top = 0;            // model y of the top edge of row 0
    double unitsPerPixel = 1;  // model units per pixel, both axes

    // Model coordinates of a pixel's centre.
    double x(int column) const { return left + (column + 0.5) * unitsPerPixel; }
    double y(int row) const { return top - (row + 0.5) * unitsPerPixel; }
    double right() const { return left + width * unitsPerPixel; }
    double bottom() const { return top - height * unitsPerPixel; }
    // The same area with `factor` times the pixels along each axis.
    Grid scaled(int factor) const;
};

// A grid of width x height pixels centred on (cx, cy) at `unitsPerPixel`.
Grid centredGrid(int width, int height, double unitsPerPixel, double cx = 0, double cy = 0);

class Mask {
public:
    explicit Mask(const Grid& grid);
    Grid grid;
    std::vector<float> values;  // row-major, row 0 at the top

    float& at(int column, int row) { return values[static_cast<size_t>(row) * grid.width + column]; }
    float at(int column, int row) const {
        return values[static_cast<size_t>(row) * grid.width + column];
    }
    // Union with a shape given by its signed distance in model units
    // (negative inside): coverage = the one-pixel smooth edge of shapes.h.
    void add(const std::function<double(double, double)>& distance, float strength = 1);
    // Removes a shape: coverage *= 1 - its coverage.
    void cut(const std::function<double(double, double)>& distance);
    // Coverage times the other mask (same grid).
    void intersect(const Mask& other);
    void scale(float factor);
};

// Gaussian-like blur (three box passes) with the given radius in model units.
Mask blurred(const Mask& mask, double radius);
// The mask moved by (dx, dy) model units (whole pixels); what comes in is 0.
Mask shifted(const Mask& mask, double dx, double dy);

class Canvas {
public:
    explicit Canvas(const Grid& grid);  // transparent
    Grid grid;
    std::vector<float> pixels;  // premultiplied r, g, b, a per pixel, row 0 at the top

    // Paints `colour` over the canvas through the mask's coverage x opacity.
    void fill(const Mask& mask, const Colour& colour, float opacity = 1);
    // The same with a colour that depends on the position (model units).
    void fill(const Mask& mask, const std::function<Colour(double, double)>& colourAt,
              float opacity = 1);
    // Paints every pixel with a position-dependent colour, over what is there.
    void paint(const std::function<Colour(double, double)>& colourAt);
    // Composites another canvas of the same grid over this one.
    void over(const Canvas& top, float opacity = 1);

    // Box filter by `factor` (width and height must be multiples of it).
    Canvas downsampled(int factor) const;
    // 8-bit straight RGBA, row 0 first. The colour of transparent and nearly
    // transparent pixels is taken from their surroundings, so linear
    // filtering at soft edges blends toward the edge colour, not black.
    std::vector<uint8_t> rgba8() const;
};
