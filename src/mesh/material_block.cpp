#include "mesh/material_block.h"

#include <cstring>

#include "package/byte_cursor.h"

namespace {

void readColour(ByteCursor& cursor, float (&colour)[4]) {
    for (float& channel : colour) cursor.readF32(channel);
}

void appendF32(std::vector<uint8_t>& out, float value) {
    uint32_t bits;
    std::memcpy(&bits, &value, 4);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(bits >> (8 * i)));
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
    out.push_back(material.alphaTest);
    out.push_back(material.transparent);
    out.push_back(0);
    out.push_back(0);
    for (float channel : material.ambient) appendF32(out, channel);
    for (float channel : material.diffuse) appendF32(out, channel);
    for (float channel : material.specular) appendF32(out, channel);
    appendF32(out, material.shininess);
    out.insert(out.end(), 4, 0);
}
