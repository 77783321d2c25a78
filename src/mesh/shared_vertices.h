// SharedVertices: a sub-mesh's triangle list, whose records repeat a corner
// for every triangle that meets there, folded into each distinct corner once
// and an index list, for glDrawElements.
//
// A corner is its position, normal and texture coordinates together; only
// corners equal in all eight values (bit for bit) become one vertex, so the
// lighting and texturing are exactly those of the unshared list. Values go
// to single precision, which is what GL computes in anyway.
//
// Layout: `vertices` holds `floatsPerVertex` floats a vertex: x, y, z, then
// nx, ny, nz, then s, t. `indices` holds three a triangle, in record order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct SharedVertices {
    static constexpr size_t floatsPerVertex = 8;
    static constexpr size_t normalOffset = 3;
    static constexpr size_t texCoordOffset = 6;

    std::vector<float> vertices;
    std::vector<uint32_t> indices;

    size_t vertexCount() const { return vertices.size() / floatsPerVertex; }
};

// Folds `triangleCount` triangles of the record arrays (float64, any
// alignment, laid out as sub_mesh_record.h says; the caller has checked
// they lie inside the entry).
SharedVertices shareVertices(const uint8_t* positions, const uint8_t* normals, const uint8_t* texCoords,
                             int32_t triangleCount);
