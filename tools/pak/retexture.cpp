#include "retexture.h"

#include "mesh/model_entry.h"
#include "mesh/sub_mesh_record.h"
#include "package/byte_cursor.h"
#include "package/byte_writer.h"

bool renameTexture(const uint8_t* data, size_t size, const std::string& from, const std::string& to,
                   std::vector<uint8_t>& out, int& renamed, std::string& error) {
    renamed = 0;
    if (to.find('\0') != std::string::npos) {
        error = "a texture name cannot hold a zero byte";
        return false;
    }
    ByteCursor cursor(data, size);
    int32_t count = 0;
    if (!readModelHeader(cursor, count, error)) return false;
    out.assign(data, data + cursor.position());
    ByteWriter writer(out);
    for (int32_t i = 0; i < count; ++i) {
        const size_t start = cursor.position();
        SubMeshRecordView record;
        if (!parseSubMeshRecord(cursor, record, error)) {
            error = "sub-mesh " + std::to_string(i) + ": " + error;
            return false;
        }
        const size_t end = cursor.position();
        if (record.textureName != from) {
            writer.putBytes(data + start, end - start);
            continue;
        }
        writer.putU32(static_cast<uint32_t>(to.size() + 1));
        writer.putBytes(to);
        writer.putU8(0);
        const size_t afterName = start + 4 + static_cast<size_t>(record.nameFieldSize);
        writer.putBytes(data + afterName, end - afterName);
        ++renamed;
    }
    writer.putBytes(data + cursor.position(), size - cursor.position());  // bytes after the records, kept
    return true;
}
