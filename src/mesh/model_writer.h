// Model writer: the inverse of the model-entry and sub-mesh readers, for the
// tools that make artwork and for tests.
//
// Each SubMeshRecord becomes one record (layout in sub_mesh_record.h): the
// texture name with its terminator (plus `nameFieldPadding` spare zero bytes),
// an 80-byte block of zeros, the material, the triangle count, the count
// selector and the three arrays. The triangle count is positions.size() / 9.
//
// Preconditions, checked (std::invalid_argument, a caller's mistake):
// positions and normals hold 9 values per triangle and texCoords 6, the name
// holds no zero byte, and the entry stays below 2 GiB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "mesh/material_block.h"

struct SubMeshRecord {
    std::string textureName;
    MaterialBlock material;
    std::vector<double> positions;  // x, y, z per corner, 3 corners per triangle
    std::vector<double> normals;    // x, y, z per corner
    std::vector<double> texCoords;  // s, t per corner
    int8_t countSelector = 0;       // our packages write 0
    size_t nameFieldPadding = 0;    // spare bytes after the terminator
};

// Marker 255 writes an int32 prefix length of 0 after it; any other marker is
// followed directly by the count.
std::vector<uint8_t> writeModelEntry(const std::vector<SubMeshRecord>& records,
                                     uint8_t marker = 0);

// Appends one record to `out`.
void appendSubMeshRecord(std::vector<uint8_t>& out, const SubMeshRecord& record);
