#include "heart_surface.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace {

// Front to back the heart is about 0.4 as thick as it is wide (the classic
// 9/4 makes a round egg of it when it turns edge-on).
constexpr double depthFactor = 4.5;
// Below the lobes it thins further towards the tip, so that edge-on it tapers
// to the point as it does face-on: depthFactor is multiplied by
// 1 + taper u³, u running from 0 at z = taperFrom to 1 at the tip (z = -1);
// the cube keeps the surface's curvature continuous where the taper starts.
constexpr double taper = 10, taperFrom = 0.8;

// The thinning factor at height z and its derivative.
double thinning(double z, double& slope) {
    if (z >= taperFrom) {
        slope = 0;
        return 1;
    }
    const double u = (taperFrom - z) / (taperFrom + 1);
    slope = -3 * taper * u * u / (taperFrom + 1);
    return 1 + taper * u * u * u;
}

struct Vertex {
    double p[3];
    double n[3];
    double st[2];
};

// Distance from the origin to the surface along the unit direction d: the
// first crossing from inside to outside, refined by bisection.
double surfaceRadius(const double d[3], double roundness) {
    constexpr double step = 0.005, limit = 2.0;
    double inside = 0;
    double outside = limit;
    for (double r = step; r <= limit; r += step) {
        if (heartField(r * d[0], r * d[1], r * d[2], roundness) > 0) {
            outside = r;
            break;
        }
        inside = r;
    }
    for (int i = 0; i < 60; ++i) {
        const double mid = (inside + outside) / 2;
        if (heartField(mid * d[0], mid * d[1], mid * d[2], roundness) > 0) {
            outside = mid;
        } else {
            inside = mid;
        }
    }
    return (inside + outside) / 2;
}

}  // namespace

double heartField(double x, double y, double z, double roundness) {
    const double c = std::cbrt(x * x + 0.1125 * y * y + roundness);
    double slope;
    return x * x + depthFactor * thinning(z, slope) * y * y + z * z - 1 - z * c;
}

void heartGradient(double x, double y, double z, double roundness, double& gx, double& gy,
                   double& gz) {
    const double s = x * x + 0.1125 * y * y + roundness;
    const double c = std::cbrt(s);
    const double k = z / (3 * c * c);  // z x d(cbrt s)/ds
    double slope;
    const double m = thinning(z, slope);
    gx = 2 * x - k * 2 * x;
    gy = 2 * depthFactor * m * y - k * 0.225 * y;
    gz = depthFactor * slope * y * y + 2 * z - c;
}

namespace {

double ringAngle(const HeartSurfaceShape& shape, int j) {
    return std::numbers::pi * j / shape.rings;
}

// Segments of ring j: in proportion to its circumference, the poles having as
// many as their neighbours (one point, repeated with its own s).
int ringSegments(const HeartSurfaceShape& shape, int j) {
    const int k = j == 0 ? 1 : j == shape.rings ? shape.rings - 1 : j;
    const int count = static_cast<int>(std::lround(shape.segments * std::sin(ringAngle(shape, k))));
    return std::clamp(count, shape.fewestSegments, shape.segments);
}

Vertex surfaceVertex(const HeartSurfaceShape& shape, int j, int i, int count) {
    const double theta = ringAngle(shape, j);
    const double phi = 2 * std::numbers::pi * (i % count) / count;
    // The poles are exact, so every triangle meeting there shares the very
    // same point (sin(pi) is not quite 0).
    const bool pole = j == 0 || j == shape.rings;
    const double ring = pole ? 0.0 : std::sin(theta);
    // Rays spread as over a sphere squashed as the heart is, so the
    // vertices crowd where its thin rim turns fast; spread evenly, they
    // missed the highlight there.
    const double flat = 1 / std::sqrt(depthFactor);
    double d[3] = {ring * std::cos(phi), flat * ring * std::sin(phi),
                   j == 0 ? 1.0 : pole ? -1.0 : std::cos(theta)};
    const double norm = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    for (double& c : d) c /= norm;
    const double r = surfaceRadius(d, shape.roundness);
    const double x = r * d[0], y = r * d[1], z = r * d[2];
    double g[3];
    heartGradient(x, y, z, shape.roundness, g[0], g[1], g[2]);
    double length = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
    if (length < 1e-12) {  // only without rounding, at the dip or the tip
        g[0] = d[0], g[1] = d[1], g[2] = d[2];
        length = 1;
    }
    Vertex v;
    v.p[0] = x * shape.size;
    v.p[1] = y * shape.size;
    v.p[2] = z * shape.size + shape.zOffset;
    for (int k = 0; k < 3; ++k) v.n[k] = g[k] / length;
    v.st[0] = static_cast<double>(i) / count;
    v.st[1] = static_cast<double>(j) / shape.rings;
    return v;
}

}  // namespace

SubMeshRecord heartSurface(const std::string& textureName, const MaterialBlock& material,
                           const HeartSurfaceShape& shape) {
    std::vector<std::vector<Vertex>> rings(static_cast<size_t>(shape.rings) + 1);
    for (int j = 0; j <= shape.rings; ++j) {
        const int count = ringSegments(shape, j);
        for (int i = 0; i <= count; ++i) rings[j].push_back(surfaceVertex(shape, j, i, count));
    }

    SubMeshRecord record;
    record.textureName = textureName;
    record.material = material;
    auto emit = [&](const Vertex& a, const Vertex& b, const Vertex& c) {
        for (const Vertex* v : {&a, &b, &c}) {
            record.positions.insert(record.positions.end(), {v->p[0], v->p[1], v->p[2]});
            record.normals.insert(record.normals.end(), {v->n[0], v->n[1], v->n[2]});
            record.texCoords.insert(record.texCoords.end(), {v->st[0], v->st[1]});
        }
    };
    // Zips each ring to the next, always stepping along the ring whose next
    // vertex comes first around Z; counter-clockwise seen from outside. A step
    // along a pole would only make a sliver of one point, so it gives none.
    for (int j = 0; j < shape.rings; ++j) {
        const std::vector<Vertex>& top = rings[j];
        const std::vector<Vertex>& bottom = rings[j + 1];
        const size_t a = top.size() - 1, b = bottom.size() - 1;
        size_t i = 0, k = 0;
        while (i < a || k < b) {
            const bool stepBottom = i == a || (k < b && (k + 1) * a < (i + 1) * b);
            if (stepBottom) {
                if (j + 1 != shape.rings) emit(top[i], bottom[k], bottom[k + 1]);
                ++k;
            } else {
                if (j != 0) emit(top[i], bottom[k], top[i + 1]);
                ++i;
            }
        }
    }
    return record;
}
