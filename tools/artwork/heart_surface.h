// The beating heart's surface: a closed, smooth 3D heart, upright along +Z,
// thinnest along Y (the side the viewer mostly sees is -Y), symmetric left
// and right and front and back. It turns about Z in the show, so it is made
// to read as a heart from every side: face-on the classic outline with its
// cleft and point, edge-on a slim shape, about 0.4 as thick as the heart is
// wide, that tapers to the same point.
//
// The face-on outline is the classic heart surface's
//   (x² + 9/4 y² + z² - 1)³ = x² z³ + 9/80 y² z³
// written with the cube root taken, which keeps the same surface but is
// smooth along its equator (the cubed form has a vanishing gradient there):
//   F = x² + k m(z) y² + z² - 1 - z (x² + 9/80 y² + roundness)^(1/3)
// with k = 4.5 (thin front to back) and m(z) = 1 over the tops of the lobes,
// rising smoothly from there to the tip so the thickness runs out there
// (the classic form is thickest at its equator and an egg edge-on). A
// small `roundness` softens the two points on the Z axis (the dip between
// the lobes and the tip). It is star-shaped about the origin, so it is
// meshed like a sphere: rings from the dip (+Z) to the tip (-Z) and segments
// around Z, each vertex found along its ray by bisection. Normals are the
// normalised gradient of F, so the shading is smooth and exact. Texture
// coordinates: s around (0 at +X, 1 after a full turn), t from 0 at the dip
// to 1 at the tip.
//
// Triangles cost a software rasteriser far more than their pixels, so the
// mesh spends them where the eye sees them: every ring has segments in
// proportion to its circumference (the rings near the dip and the tip need
// few), and the rays crowd towards the thin rim, where the surface turns
// fastest. 48 rings and 96 segments keep the silhouette round and the
// specular highlight's shape with 5,888 triangles, where an even 72 x 112
// grid took 15,900 for a picture the eye cannot tell apart.
#pragma once

#include <string>

#include "mesh/model_writer.h"

struct HeartSurfaceShape {
    int rings = 48;          // from the dip to the tip
    int segments = 96;       // around Z, on the widest ring
    int fewestSegments = 12; // on the rings next to the dip and the tip
    double size = 17;        // model units per unit of F's coordinates
    double zOffset = 0;      // added to every z after scaling
    double roundness = 3e-4; // softens the dip and the tip
};

// The heart as one sub-mesh record.
SubMeshRecord heartSurface(const std::string& textureName, const MaterialBlock& material,
                           const HeartSurfaceShape& shape);

// F and its gradient at a point of F's own coordinates (for tests of the
// shape: F < 0 inside).
double heartField(double x, double y, double z, double roundness);
void heartGradient(double x, double y, double z, double roundness, double& gx, double& gy,
                   double& gz);
