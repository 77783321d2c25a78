#include "mesh/material_block.h"

#include "package/byte_cursor.h"
#include "package/byte_writer.h"

namespace {

void readColour(ByteCursor& cursor, float (&colour)[4]) {
    for (float& channel : colour) cursor.readF32(channel);
}

void putColour(ByteWriter& out, const float (&colour)[4]) {
    for (float channel : colour) out.putF32(channel);
}

}  // namespace

bool readMaterialBlock(ByteCursor& cursor, MaterialBlock& material) {
    if (cursor.remaining() < materialBlockSize) return false;
    // Every read below fits: the whole block was checked above.
    cursor.readU8(material.alphaTest);
    cursor.readU8(material.transparent);
    cursor.skip(2);
    readColour(cursor, material.ambient);
    readColour(cursor, material.diffuse);
    readColour(cursor, material.specular);
    cursor.readF32(material.shininess);
    cursor.skip(4);
    return true;
}

void appendMaterialBlock(std::vector<uint8_t>& out, const MaterialBlock& material) {
    ByteWriter writer(out);
    writer.putU8(material.alphaTest);
    writer.putU8(material.transparent);
    writer.putZeros(2);
    putColour(writer, material.ambient);
    putColour(writer, material.diffuse);
    putColour(writer, material.specular);
    writer.putF32(material.shininess);
    writer.putZeros(4);
}
