// Model import (`pak import`): a model file that assimp reads (OBJ, glTF,
// GLB and the other formats it knows) becomes the records of one model entry
// and the images its materials use.
//
// Geometry: node transforms are applied, the file's up axis turned to the
// show's (up_axis.h), polygons triangulated, points and
// lines left out. Normals are kept, or computed where the file has none
// (smooth across edges under 80 degrees, so a box keeps its corners).
// Texture coordinates are the first set, turned so that t = 0 is the image's
// first row (the show's convention), or zeros.
//
// Materials: one sub-mesh record per material that has triangles, in the
// file's material order.
//   - diffuse: the base colour (glTF) or Kd (OBJ), times the opacity (d);
//   - ambient: Ka when the file has one that is not black, else a fifth of
//     the diffuse colour (the show's headlight brings a strong ambient part
//     of its own);
//   - specular and shininess: Ks and Ns (OBJ's 0..1000 scaled to GL's
//     0..128); a glTF material without them gets a white highlight of
//     (1 - roughness) / 2 and shininess 128 (1 - roughness)^2;
//   - glTF alpha mode MASK sets the alpha test, BLEND the transparent pass;
//     in other formats, which have no alpha mode, an opacity below 1 or a
//     texture with see-through pixels sets the transparent pass.
//   - The base-colour (or diffuse) texture, a file beside the model or one
//     embedded in it, becomes an image named "<entry>_tex", "<entry>_tex2",
//     ... in first-use order; a material without one gets the empty texture
//     name, which draws untextured.
// Images are imported as image files are (image_import.h): decoded to RGBA
// and resampled to powers of two where needed.
//
// Limits: an entry is at most `maxEntryBytes` (the package format: int32)
// and each triangle takes 192 bytes, so a model that cannot fit is refused
// before its geometry is processed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "image_import.h"
#include "mesh/model_writer.h"
#include "up_axis.h"

struct ImportOptions {
    std::string entryName;  // the model entry; its images are named after it
    double fitRadius = 0;   // > 0: centred and scaled into a sphere of this radius
    UpAxis up = UpAxis::y;  // the file's up axis
    size_t maxEntryBytes = std::numeric_limits<int32_t>::max();
};

struct ImportedModel {
    std::vector<SubMeshRecord> subMeshes;
    std::vector<ImportedImage> images;
    int64_t triangleCount = 0;
    double radius = 0;  // bounding sphere (around the box's centre) as read
};

// Reads the file at `path`. False, with `error` one line saying what is
// wrong (without the file name, which the caller adds), when the file cannot
// be read, holds no triangles, does not fit an entry, or names a texture
// that cannot be read or decoded.
bool importModel(const std::string& path, const ImportOptions& options, ImportedModel& model, std::string& error);

// The bounding sphere of 3-value positions: the centre of their box and the
// largest distance from it.
struct Sphere {
    double centre[3] = {0, 0, 0};
    double radius = 0;
};
Sphere boundingSphere(const std::vector<SubMeshRecord>& subMeshes);
