#include "retexture.h"

#include "mesh/model_entry.h"
#include "mesh/sub_mesh_record.h"
#include "package/byte_cursor.h"

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
    for (int32_t i = 0; i < count; ++i) {
        const size_t start = cursor.position();
        SubMeshRecordView record;
        if (!parseSubMeshRecord(cursor, record, error)) {
            error = "sub-mesh " + std::to_string(i) + ": " + error;
            return false;
        }
        const size_t end = cursor.position();
        if (record.textureName != from) {
            out.insert(out.end(), data + start, data + end);
            continue;
        }
        const uint32_t field = static_cast<uint32_t>(to.size() + 1);
        for (int k = 0; k < 4; ++k) out.push_back(static_cast<uint8_t>(field >> (8 * k)));
        out.insert(out.end(), to.begin(), to.end());
        out.push_back(0);
        const size_t afterName = start + 4 + static_cast<size_t>(record.nameFieldSize);
        out.insert(out.end(), data + afterName, data + end);
        ++renamed;
    }
    out.insert(out.end(), data + cursor.position(), data + size);  // bytes after the records, kept
    return true;
}
