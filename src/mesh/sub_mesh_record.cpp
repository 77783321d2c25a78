#include "mesh/sub_mesh_record.h"

#include <cstring>

#include "package/byte_cursor.h"
#include "package/quoted_name.h"

namespace {

std::string at(size_t offset) {
    return " (offset " + std::to_string(offset) + ")";
}

}  // namespace

bool parseSubMeshRecord(ByteCursor& cursor, SubMeshRecordView& record, std::string& error) {
    // Work on a copy: the caller's cursor moves only when the whole record fits.
    ByteCursor c = cursor;
    const size_t start = c.position();
    SubMeshRecordView r;

    int32_t nameField;
    if (!c.readI32(nameField)) {
        error = "sub-mesh record ends before its texture-name length" + at(start);
        return false;
    }
    if (nameField <= 0) {
        error = "sub-mesh record has texture-name length " + std::to_string(nameField) +
                ", which cannot hold a name" + at(start);
        return false;
    }
    const uint8_t* name;
    if (!c.take(static_cast<size_t>(nameField), name)) {
        error = "texture name of " + std::to_string(nameField) + " bytes runs past the entry" +
                at(start + 4);
        return false;
    }
    if (!std::memchr(name, 0, static_cast<size_t>(nameField))) {
        error = "texture name has no terminator in its " + std::to_string(nameField) +
                "-byte field" + at(start + 4);
        return false;
    }
    r.textureName = reinterpret_cast<const char*>(name);
    r.nameFieldSize = nameField;

    const std::string named = "sub-mesh with texture " + quotedName(r.textureName);
    if (!c.skip(subMeshSkippedBlockSize) || !readMaterialBlock(c, r.material) ||
        !c.readI32(r.triangleCount) || !c.readI8(r.countSelector)) {
        error = named + " ends inside its header" + at(start);
        return false;
    }
    if (r.triangleCount < 0) {
        error = named + " has a negative triangle count " + std::to_string(r.triangleCount) +
                at(start);
        return false;
    }
    // At most 2^31 x 192 bytes: no overflow in size_t on the 64-bit targets,
    // and checked by division anyway so 32-bit builds are safe too.
    const size_t triangles = static_cast<size_t>(r.triangleCount);
    if (triangles > c.remaining() / recordBytesPerTriangle) {
        error = named + " declares " + std::to_string(triangles) +
                " triangles, which run past the entry (" + std::to_string(c.remaining()) +
                " bytes left)" + at(start);
        return false;
    }
    c.take(triangles * positionBytesPerTriangle, r.positions);
    c.take(triangles * normalBytesPerTriangle, r.normals);
    c.take(triangles * texCoordBytesPerTriangle, r.texCoords);

    record = r;
    cursor = c;
    return true;
}

bool isProceduralTextureName(const char* name) {
    return name && name[0] != '\0' && name[1] == '#';
}
