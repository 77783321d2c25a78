#include "flame_ring.h"

#include <cmath>
#include <vector>

void heartOutline(double u, double& x, double& y) {
    const double s = std::sin(u);
    x = 16 * s * s * s;
    y = 13 * std::cos(u) - 5 * std::cos(2 * u) - 2 * std::cos(3 * u) - std::cos(4 * u);
}

SubMeshRecord flameRing(const std::string& textureName, const MaterialBlock& material,
                        const FlameRingShape& shape) {
    const int n = shape.segments;
    std::vector<double> ix(n + 1), iy(n + 1), ox(n + 1), oy(n + 1), s(n + 1);
    // The outline's own centre: the middle of its height, where rays from it
    // meet the outline once each.
    constexpr double centreY = -2.5;
    for (int k = 0; k <= n; ++k) {
        double x, y;
        heartOutline(2 * M_PI * (k % n) / n, x, y);
        const double dx = x, dy = y - centreY;
        const double length = std::hypot(dx, dy);
        ix[k] = shape.cx + x * shape.scale;
        iy[k] = shape.cy + y * shape.scale;
        ox[k] = ix[k] + shape.thickness * dx / length;
        oy[k] = iy[k] + shape.thickness * dy / length;
        s[k] = k == 0 ? 0 : s[k - 1] + std::hypot(ix[k] - ix[k - 1], iy[k] - iy[k - 1]);
    }
    const double total = s[n];
    for (double& v : s) v = v / total * shape.repeats;

    SubMeshRecord record;
    record.textureName = textureName;
    record.material = material;
    auto emit = [&](double x, double y, double ss, double t) {
        record.positions.insert(record.positions.end(), {x, y, 0.0});
        record.normals.insert(record.normals.end(), {0.0, 0.0, 1.0});
        record.texCoords.insert(record.texCoords.end(), {ss, t});
    };
    for (int k = 0; k < n; ++k) {
        emit(ix[k], iy[k], s[k], shape.tInner);
        emit(ox[k], oy[k], s[k], shape.tOuter);
        emit(ox[k + 1], oy[k + 1], s[k + 1], shape.tOuter);
        emit(ix[k], iy[k], s[k], shape.tInner);
        emit(ox[k + 1], oy[k + 1], s[k + 1], shape.tOuter);
        emit(ix[k + 1], iy[k + 1], s[k + 1], shape.tInner);
    }
    return record;
}
