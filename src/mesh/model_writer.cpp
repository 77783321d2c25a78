#include "mesh/model_writer.h"

#include <cstring>
#include <limits>
#include <stdexcept>

#include "mesh/model_entry.h"
#include "mesh/sub_mesh_record.h"

namespace {

constexpr size_t entryLimit = static_cast<size_t>(std::numeric_limits<int32_t>::max());

void putI32(std::vector<uint8_t>& out, int32_t value) {
    const uint32_t v = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void putF64s(std::vector<uint8_t>& out, const std::vector<double>& values) {
    for (double value : values) {
        uint64_t bits;
        std::memcpy(&bits, &value, 8);
        for (int i = 0; i < 8; ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
    }
}

size_t triangleCountOf(const SubMeshRecord& record) {
    const size_t triangles = record.positions.size() / 9;
    if (record.positions.size() != triangles * 9 || record.normals.size() != triangles * 9 ||
        record.texCoords.size() != triangles * 6) {
        throw std::invalid_argument("sub-mesh arrays do not hold whole triangles");
    }
    if (record.textureName.find('\0') != std::string::npos) {
        throw std::invalid_argument("texture name holds a zero byte");
    }
    return triangles;
}

}  // namespace

void appendSubMeshRecord(std::vector<uint8_t>& out, const SubMeshRecord& record) {
    const size_t triangles = triangleCountOf(record);
    const size_t nameField = record.textureName.size() + 1 + record.nameFieldPadding;
    if (nameField > entryLimit || triangles > entryLimit / recordBytesPerTriangle ||
        out.size() + subMeshFixedBytes + nameField + triangles * recordBytesPerTriangle >
            entryLimit) {
        throw std::invalid_argument("model entry would exceed 2 GiB");
    }
    putI32(out, static_cast<int32_t>(nameField));
    out.insert(out.end(), record.textureName.begin(), record.textureName.end());
    out.insert(out.end(), 1 + record.nameFieldPadding, 0);
    out.insert(out.end(), subMeshSkippedBlockSize, 0);
    appendMaterialBlock(out, record.material);
    putI32(out, static_cast<int32_t>(triangles));
    out.push_back(static_cast<uint8_t>(record.countSelector));
    putF64s(out, record.positions);
    putF64s(out, record.normals);
    putF64s(out, record.texCoords);
}

std::vector<uint8_t> writeModelEntry(const std::vector<SubMeshRecord>& records, uint8_t marker) {
    if (records.size() > entryLimit / minimumSubMeshRecordSize) {
        throw std::invalid_argument("too many sub-meshes for one entry");
    }
    std::vector<uint8_t> out;
    out.push_back(marker);
    if (marker == modelPrefixMarker) putI32(out, 0);
    putI32(out, static_cast<int32_t>(records.size()));
    for (const SubMeshRecord& record : records) appendSubMeshRecord(out, record);
    return out;
}
