// Wavefront OBJ export of a model entry, for looking at it in any model
// viewer (`pak export`).
//
// Every sub-mesh becomes an object "submesh<i>" with its material
// "material<i>" in the material library beside the OBJ. Each corner gets its
// own v, vt and vn line, as stored (the entry shares no corners), and each
// triangle an "f a/a/a b/b/b c/c/c" in the stored corner order. The show
// puts an image's first row at t = 0 and OBJ puts it at v = 1, so vt is
// (s, 1 - t). Positions and normals are turned to the file's up axis
// (up_axis.h). Materials:
// Ka, Kd and Ks from the colours, Ns = shininess x 1000 / 128 (OBJ's range),
// d = the diffuse alpha; a texture naming an image entry becomes map_Kd with
// the file name `textureFiles` gives it, a generated texture (or one without
// a file) is named in a comment.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "up_axis.h"

struct ObjFiles {
    std::string obj;  // the OBJ text, "mtllib" first
    std::string mtl;  // the material library text
};

// Parses the entry of `size` bytes at `data` (bounds-checked like the show's
// reader) and writes both texts. False, with `error` saying what and where in
// the entry, when the entry is no model.
bool exportObj(const uint8_t* data, size_t size, const std::string& mtlFileName,
               const std::map<std::string, std::string>& textureFiles, ObjFiles& files, std::string& error,
               UpAxis up = UpAxis::y);
