#include "mesh/shared_vertices.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

using Corner = std::array<double, SharedVertices::floatsPerVertex>;  // x y z, nx ny nz, s t

// The three record arrays of these corners, one byte off alignment as in a package.
std::vector<uint8_t> recordArray(const std::vector<Corner>& corners, size_t first, size_t count) {
    std::vector<uint8_t> bytes(1 + corners.size() * count * sizeof(double));
    for (size_t i = 0; i < corners.size(); ++i) {
        std::memcpy(&bytes[1 + i * count * sizeof(double)], &corners[i][first], count * sizeof(double));
    }
    return bytes;
}

TEST(SharedVertices, OnlyCornersEqualInEveryValueBecomeOneVertex) {
    const Corner a{0, 0, 0, 0, 0, 1, 0, 0}, b{1, 0, 0, 0, 0, 1, 1, 0}, c{1, 1, 0, 0, 0, 1, 1, 1},
        d{0, 1, 0, 0, 0, 1, 0, 1};
    const Corner crease{1, 1, 0, 1, 0, 1, 1, 1};  // c's place, another face's normal
    const Corner seam{1, 1, 0, 0, 0, 1, 0.5, 1};   // c's place, a texture seam
    const Corner negativeZero{-0.0, 0, 0, 0, 0, 1, 0, 0};
    const struct {
        const char* name;
        std::vector<Corner> corners;
        std::vector<uint32_t> indices;
    } cases[] = {
        {"quad", {a, b, c, a, c, d}, {0, 1, 2, 0, 2, 3}},
        {"crease keeps its normals", {a, b, c, a, crease, d}, {0, 1, 2, 0, 3, 4}},
        {"seam keeps its coordinates", {a, b, c, a, seam, d}, {0, 1, 2, 0, 3, 4}},
        {"-0 is not folded into 0", {a, b, c, negativeZero, c, d}, {0, 1, 2, 3, 2, 4}},
        {"no triangles", {}, {}},
    };
    for (const auto& test : cases) {
        const auto positions = recordArray(test.corners, 0, 3), normals = recordArray(test.corners, 3, 3),
                   texCoords = recordArray(test.corners, 6, 2);
        const SharedVertices shared = shareVertices(positions.data() + 1, normals.data() + 1, texCoords.data() + 1,
                                                    static_cast<int32_t>(test.corners.size() / 3));
        ASSERT_EQ(shared.indices, test.indices) << test.name;
        // Every corner comes back through its index with all eight values, -0 as -0.
        for (size_t i = 0; i < test.corners.size() * SharedVertices::floatsPerVertex; ++i) {
            const float value = shared.vertices[shared.indices[i / 8] * SharedVertices::floatsPerVertex + i % 8];
            const double expected = test.corners[i / 8][i % 8];
            EXPECT_TRUE(value == static_cast<float>(expected) && std::signbit(value) == std::signbit(expected))
                << test.name << ": corner " << i / 8 << " value " << i % 8;
        }
    }
}

}  // namespace
