// Model entries: the header of a model entry in a package, and a GL-free
// inspection of a whole entry for tools and the fuzz target.
//
// Layout (little-endian):
//   0      u8      marker M
//   1      int32   only when M is 255: a prefix length, read and not used
//   1 or 5 int32   sub-mesh count N, 0 or more
//   then N sub-mesh records back to back (sub_mesh_record.h)
//
// The scene's model loader reads the header here and then one SubMesh per
// record (SubMesh::read). Errors say what and where inside the entry; the
// caller adds the file and entry names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class ByteCursor;

constexpr uint8_t modelPrefixMarker = 255;

// Reads the marker, the prefix length when the marker is 255, and the count.
// False when the entry ends inside them, the count is negative, or the count
// cannot fit in the bytes that remain at the smallest record size (so a
// forged count never drives an allocation or a long loop).
bool readModelHeader(ByteCursor& cursor, int32_t& count, std::string& error);

struct ModelInfo {
    int32_t subMeshCount = 0;
    int64_t triangleCount = 0;              // over all sub-meshes
    std::vector<std::string> textureNames;  // distinct, in first-use order
    int32_t transparentCount = 0;           // sub-meshes with the transparent flag
};

// Parses the header and every record, within `size` bytes at `data`.
bool inspectModel(const uint8_t* data, size_t size, ModelInfo& info, std::string& error);
