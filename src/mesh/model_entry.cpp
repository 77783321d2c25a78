#include "mesh/model_entry.h"

#include <algorithm>

#include "mesh/sub_mesh_record.h"
#include "package/byte_cursor.h"

bool readModelHeader(ByteCursor& cursor, int32_t& count, std::string& error) {
    uint8_t marker;
    if (!cursor.readU8(marker)) {
        error = "model entry is empty";
        return false;
    }
    if (marker == modelPrefixMarker) {
        int32_t prefixLength;
        if (!cursor.readI32(prefixLength)) {
            error = "model entry ends inside its prefix length (offset 1)";
            return false;
        }
    }
    const size_t countOffset = cursor.position();
    if (!cursor.readI32(count)) {
        error = "model entry ends before its sub-mesh count (offset " +
                std::to_string(countOffset) + ")";
        return false;
    }
    if (count < 0) {
        error = "model entry has a negative sub-mesh count " + std::to_string(count);
        return false;
    }
    if (static_cast<size_t>(count) > cursor.remaining() / minimumSubMeshRecordSize) {
        error = "model entry declares " + std::to_string(count) + " sub-meshes but only " +
                std::to_string(cursor.remaining()) + " bytes follow the count";
        return false;
    }
    return true;
}

bool inspectModel(const uint8_t* data, size_t size, ModelInfo& info, std::string& error) {
    info = ModelInfo();
    ByteCursor cursor(data, size);
    int32_t count;
    if (!readModelHeader(cursor, count, error)) return false;
    for (int32_t i = 0; i < count; ++i) {
        SubMeshRecordView record;
        std::string recordError;
        if (!parseSubMeshRecord(cursor, record, recordError)) {
            error = "sub-mesh " + std::to_string(i) + ": " + recordError;
            info = ModelInfo();
            return false;
        }
        info.triangleCount += record.triangleCount;
        if (record.material.transparent) ++info.transparentCount;
        const std::string name = record.textureName;
        if (std::find(info.textureNames.begin(), info.textureNames.end(), name) ==
            info.textureNames.end()) {
            info.textureNames.push_back(name);
        }
    }
    info.subMeshCount = count;
    return true;
}
