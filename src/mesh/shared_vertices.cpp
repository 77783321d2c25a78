#include "mesh/shared_vertices.h"

#include <array>
#include <cstring>
#include <unordered_map>

namespace {

using Corner = std::array<double, SharedVertices::floatsPerVertex>;

// Bit patterns, not values: -0.0 and 0.0 stay apart (their normals light
// alike, but the fold must change nothing at all), and NaN finds itself.
struct CornerBits {
    std::array<uint64_t, SharedVertices::floatsPerVertex> bits;
    bool operator==(const CornerBits&) const = default;
};

struct CornerHash {
    size_t operator()(const CornerBits& corner) const {
        uint64_t hash = 14695981039346656037ull;
        for (uint64_t word : corner.bits) hash = (hash ^ word) * 1099511628211ull;
        return static_cast<size_t>(hash ^ (hash >> 29));
    }
};

void readDoubles(const uint8_t* from, size_t count, double* to) {
    std::memcpy(to, from, count * sizeof(double));
}

}  // namespace

SharedVertices shareVertices(const uint8_t* positions, const uint8_t* normals, const uint8_t* texCoords,
                             int32_t triangleCount) {
    SharedVertices shared;
    const size_t corners = 3 * static_cast<size_t>(triangleCount > 0 ? triangleCount : 0);
    shared.indices.reserve(corners);
    std::unordered_map<CornerBits, uint32_t, CornerHash> seen;
    seen.reserve(corners);
    for (size_t i = 0; i < corners; ++i) {
        Corner corner;
        readDoubles(positions + i * 3 * sizeof(double), 3, corner.data());
        readDoubles(normals + i * 3 * sizeof(double), 3, corner.data() + SharedVertices::normalOffset);
        readDoubles(texCoords + i * 2 * sizeof(double), 2, corner.data() + SharedVertices::texCoordOffset);
        CornerBits key;
        std::memcpy(key.bits.data(), corner.data(), sizeof corner);
        const auto [at, added] = seen.try_emplace(key, static_cast<uint32_t>(shared.vertexCount()));
        if (added) {
            for (double value : corner) shared.vertices.push_back(static_cast<float>(value));
        }
        shared.indices.push_back(at->second);
    }
    return shared;
}
