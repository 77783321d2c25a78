#include "shapes.h"

double roundedBoxDistance(double x, double y, double cx, double cy, double halfWidth,
                          double halfHeight, double radius) {
    const double qx = std::fabs(x - cx) - (halfWidth - radius);
    const double qy = std::fabs(y - cy) - (halfHeight - radius);
    const double outside = std::hypot(std::max(qx, 0.0), std::max(qy, 0.0));
    return outside + std::min(std::max(qx, qy), 0.0) - radius;
}

double capsuleDistance(double x, double y, double ax, double ay, double bx, double by,
                       double radius) {
    const double px = x - ax, py = y - ay;
    const double dx = bx - ax, dy = by - ay;
    const double lengthSquared = dx * dx + dy * dy;
    const double h = lengthSquared > 0 ? std::clamp((px * dx + py * dy) / lengthSquared, 0.0, 1.0)
                                       : 0.0;
    return std::hypot(px - dx * h, py - dy * h) - radius;
}

double taperDistance(double x, double y, double cx, double cy, double r0, double r1,
                     double length, double angle) {
    // Into the stroke's own frame: start at the origin, running along +Y.
    const double a = -angle * M_PI / 180;
    double px = (x - cx) * std::cos(a) - (y - cy) * std::sin(a);
    const double py = (x - cx) * std::sin(a) + (y - cy) * std::cos(a);
    px = std::fabs(px);
    const double b = (r0 - r1) / length;
    const double side = std::sqrt(std::max(0.0, 1 - b * b));
    const double k = -b * px + side * py;
    if (k < 0) return std::hypot(px, py) - r0;
    if (k > side * length) return std::hypot(px, py - length) - r1;
    return px * side + py * b - r0;
}

double heartDistance(double x, double y, double cx, double cy, double height) {
    // The unit heart has its point at the origin and its lobes' top near 1.06.
    const double scale = height / 1.0607;
    double px = std::fabs(x - cx) / scale;
    const double py = (y - cy) / scale;
    double d;
    if (py + px > 1.0) {
        d = std::hypot(px - 0.25, py - 0.75) - std::sqrt(2.0) / 4;
    } else {
        const double m = 0.5 * std::max(px + py, 0.0);
        const double a = (px - 0.0) * (px - 0.0) + (py - 1.0) * (py - 1.0);
        const double b = (px - m) * (px - m) + (py - m) * (py - m);
        d = std::sqrt(std::min(a, b)) * (px - py > 0 ? 1.0 : -1.0);
    }
    return d * scale;
}
