// Shapes as signed distances in model units (negative inside), and the soft
// edge that turns a distance into coverage. Mask::add (canvas.h) takes any of
// these through a lambda:
//
//   mask.add([&](double x, double y) { return circleDistance(x, y, 0, 0, 2.5); });
#pragma once

#include <algorithm>
#include <cmath>

// Coverage of a pixel whose centre lies `distance` from an edge, for pixels
// `pixel` units wide: a linear ramp one pixel wide centred on the edge.
inline float edgeCoverage(double distance, double pixel) {
    return static_cast<float>(std::clamp(0.5 - distance / pixel, 0.0, 1.0));
}

inline double circleDistance(double x, double y, double cx, double cy, double radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

// A ring of the given centre radius and half width.
inline double ringDistance(double x, double y, double cx, double cy, double radius,
                           double halfWidth) {
    return std::fabs(std::hypot(x - cx, y - cy) - radius) - halfWidth;
}

// A box with rounded corners: centre, half sizes (corners included), corner radius.
double roundedBoxDistance(double x, double y, double cx, double cy, double halfWidth,
                          double halfHeight, double radius);

// A stroke of round caps from (ax, ay) to (bx, by), `radius` thick on each side.
double capsuleDistance(double x, double y, double ax, double ay, double bx, double by,
                       double radius);

// A tapering stroke along +Y from (cx, cy): radius r0 at the start, r1 at
// `length`, round ends. Rotated by `angle` degrees (counter-clockwise).
double taperDistance(double x, double y, double cx, double cy, double r0, double r1,
                     double length, double angle = 0);

// A heart standing on its point: the point at (cx, cy), `height` from the
// point to the top of the lobes (its width is about 1.15 x height).
double heartDistance(double x, double y, double cx, double cy, double height);

// Smooth step 0..1 between edge0 and edge1.
inline double smooth(double edge0, double edge1, double v) {
    const double t = std::clamp((v - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}
