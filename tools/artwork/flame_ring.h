// A band around a heart outline for a Fire texture: the fire's base runs
// along the inner edge and its flames rise outward, away from the heart.
//
// The outline is the classic heart curve
//   x = 16 sin³u,  y = 13 cos u - 5 cos 2u - 2 cos 3u - cos 4u
// scaled by `scale` (so it is about 34 x scale wide), in the z = 0 plane,
// centred on (cx, cy). The outer edge lies `thickness` further out along the
// ray from the centre, so the band never folds over itself. s runs along the
// outline by arc length, 0 to `repeats` from the dip clockwise; t is tInner
// on the inner edge and tOuter on the outer edge (the Fire texture's seed
// rows are at t = 1 and its flames rise toward t = 0). Normals face +Z.
#pragma once

#include <string>

#include "mesh/model_writer.h"

struct FlameRingShape {
    double cx = 0, cy = 0;
    double scale = 1;
    double thickness = 6;
    int segments = 240;
    double repeats = 1;
    double tInner = 0.75;
    double tOuter = 0.1;
};

SubMeshRecord flameRing(const std::string& textureName, const MaterialBlock& material,
                        const FlameRingShape& shape);

// A point of the outline at parameter u (radians), unscaled.
void heartOutline(double u, double& x, double& y);
