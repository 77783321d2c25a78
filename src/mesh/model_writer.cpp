#include "mesh/model_writer.h"

#include <limits>
#include <stdexcept>

#include "mesh/model_entry.h"
#include "mesh/sub_mesh_record.h"
#include "package/byte_writer.h"

namespace {

constexpr size_t entryLimit = static_cast<size_t>(std::numeric_limits<int32_t>::max());

void putF64s(ByteWriter& out, const std::vector<double>& values) {
    for (double value : values) out.putF64(value);
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
    ByteWriter writer(out);
    writer.putI32(static_cast<int32_t>(nameField));
    writer.putBytes(record.textureName);
    writer.putZeros(1 + record.nameFieldPadding);
    writer.putZeros(subMeshSkippedBlockSize);
    appendMaterialBlock(out, record.material);
    writer.putI32(static_cast<int32_t>(triangles));
    writer.putU8(static_cast<uint8_t>(record.countSelector));
    putF64s(writer, record.positions);
    putF64s(writer, record.normals);
    putF64s(writer, record.texCoords);
}

std::vector<uint8_t> writeModelEntry(const std::vector<SubMeshRecord>& records, uint8_t marker) {
    if (records.size() > entryLimit / minimumSubMeshRecordSize) {
        throw std::invalid_argument("too many sub-meshes for one entry");
    }
    std::vector<uint8_t> out;
    ByteWriter writer(out);
    writer.putU8(marker);
    if (marker == modelPrefixMarker) writer.putI32(0);
    writer.putI32(static_cast<int32_t>(records.size()));
    for (const SubMeshRecord& record : records) appendSubMeshRecord(out, record);
    return out;
}
