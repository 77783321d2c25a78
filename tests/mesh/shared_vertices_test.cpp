#include "mesh/shared_vertices.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

struct Corner {
    double position[3], normal[3], texCoord[2];
};

// The record's three arrays for these corners, each one byte off alignment as
// records in a package are.
struct RecordArrays {
    std::vector<uint8_t> positions, normals, texCoords;
    explicit RecordArrays(const std::vector<Corner>& corners) {
        for (const Corner& c : corners) {
            append(positions, c.position, 3);
            append(normals, c.normal, 3);
            append(texCoords, c.texCoord, 2);
        }
    }
    static void append(std::vector<uint8_t>& to, const double* values, size_t count) {
        if (to.empty()) to.push_back(0);
        const size_t at = to.size();
        to.resize(at + count * sizeof(double));
        std::memcpy(to.data() + at, values, count * sizeof(double));
    }
};

TEST(SharedVertices, OnlyCornersEqualInEveryValueBecomeOneVertex) {
    const Corner a{{0, 0, 0}, {0, 0, 1}, {0, 0}}, b{{1, 0, 0}, {0, 0, 1}, {1, 0}},
        c{{1, 1, 0}, {0, 0, 1}, {1, 1}}, d{{0, 1, 0}, {0, 0, 1}, {0, 1}};
    Corner cCrease = c;
    cCrease.normal[0] = 1;  // same place, another face's normal
    Corner cSeam = c;
    cSeam.texCoord[0] = 0.5;  // same place, a texture seam
    Corner aNegativeZero = a;
    aNegativeZero.position[0] = -0.0;
    const struct {
        const char* name;
        std::vector<Corner> corners;
        std::vector<uint32_t> indices;
    } cases[] = {
        {"quad", {a, b, c, a, c, d}, {0, 1, 2, 0, 2, 3}},
        {"crease keeps its normals", {a, b, c, a, cCrease, d}, {0, 1, 2, 0, 3, 4}},
        {"seam keeps its coordinates", {a, b, c, a, cSeam, d}, {0, 1, 2, 0, 3, 4}},
        {"-0 is not folded into 0", {a, b, c, aNegativeZero, c, d}, {0, 1, 2, 3, 2, 4}},
        {"no triangles", {}, {}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        const RecordArrays arrays(test.corners);
        const SharedVertices shared =
            shareVertices(arrays.positions.data() + 1, arrays.normals.data() + 1, arrays.texCoords.data() + 1,
                          static_cast<int32_t>(test.corners.size() / 3));
        EXPECT_EQ(shared.indices, test.indices);
        // Every corner comes back, through its index, with all eight values.
        for (size_t i = 0; i < test.corners.size() && i < shared.indices.size(); ++i) {
            const float* v = &shared.vertices[shared.indices[i] * SharedVertices::floatsPerVertex];
            const Corner& corner = test.corners[i];
            const double expected[] = {corner.position[0], corner.position[1], corner.position[2],
                                       corner.normal[0],   corner.normal[1],   corner.normal[2],
                                       corner.texCoord[0], corner.texCoord[1]};
            for (size_t k = 0; k < SharedVertices::floatsPerVertex; ++k) {
                EXPECT_EQ(v[k], static_cast<float>(expected[k])) << "corner " << i << " value " << k;
            }
            EXPECT_EQ(std::signbit(v[0]), std::signbit(corner.position[0])) << "corner " << i;
        }
    }
}

}  // namespace
