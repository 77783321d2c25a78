// Fuzzes the model-entry and sub-mesh record readers: any bytes either parse
// into records that lie inside the input, or are refused with a message.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

#include "mesh/model_entry.h"
#include "mesh/sub_mesh_record.h"
#include "package/byte_cursor.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    ModelInfo info;
    std::string error;
    const bool inspected = inspectModel(data, size, info, error);
    if (!inspected && error.empty()) __builtin_trap();

    // The same walk the scene's loader does, checking every record's pointers.
    ByteCursor cursor(data, size);
    int32_t count;
    if (!readModelHeader(cursor, count, error)) return 0;
    for (int32_t i = 0; i < count; ++i) {
        const size_t before = cursor.position();
        SubMeshRecordView record;
        if (!parseSubMeshRecord(cursor, record, error)) {
            if (cursor.position() != before || inspected) __builtin_trap();
            return 0;
        }
        const uint8_t* name = reinterpret_cast<const uint8_t*>(record.textureName);
        if (name < data || name + record.nameFieldSize > data + size) __builtin_trap();
        if (!std::memchr(name, 0, static_cast<size_t>(record.nameFieldSize))) __builtin_trap();
        const size_t t = static_cast<size_t>(record.triangleCount);
        if (record.texCoords + t * texCoordBytesPerTriangle != data + cursor.position()) __builtin_trap();
        (void)isProceduralTextureName(record.textureName);
    }
    if (!inspected) __builtin_trap();
    return 0;
}
