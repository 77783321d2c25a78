// Sub-mesh records: the parsing half of a sub-mesh, bytes in, record out.
//
// One record (little-endian, no gaps, no alignment; offsets from its start,
// L = texture-name field size, T = triangle count):
//   0             int32     L, 1 or more
//   4             L bytes   texture name, terminated by a zero byte inside
//                           the field (bytes after the terminator are spare)
//   4 + L         80 bytes  block the renderer skips
//   84 + L        60 bytes  MaterialBlock (material_block.h)
//   144 + L       int32     stored triangle count T, 0 or more
//   148 + L       int8      count selector S
//   149 + L       72 T      positions, float64 x, y, z per corner
//   149 + L + 72T 72 T      normals, float64 x, y, z per corner
//   149 + L +144T 48 T      texture coordinates, float64 s, t per corner
// A record is 149 + L + 192 T bytes; the next one starts right behind it.
//
// Count selector: our packages always write S = 0, which means the stored
// count is used unchanged. Other values once asked for the count to be raised
// by an amount the file does not carry; no source for it exists, so a record
// with S != 0 also uses its stored count unchanged, and is bounds-checked
// like any other.
//
// Checks: every field lies inside the bytes given; L and T are not negative;
// the name field holds its terminator. A failing record leaves the cursor at
// its start, and `error` says what and at which offset of the entry.
//
// Texture names: when the second character is '#', the name selects a
// generated texture (proctex); otherwise it names an image entry of the
// model's own package.
//
// No GL here: tools and the fuzz target parse records without a context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "mesh/material_block.h"

class ByteCursor;

constexpr size_t subMeshSkippedBlockSize = 80;
constexpr size_t positionBytesPerTriangle = 72;
constexpr size_t normalBytesPerTriangle = 72;
constexpr size_t texCoordBytesPerTriangle = 48;
constexpr size_t recordBytesPerTriangle = 192;
// Header bytes around the name field: L, skipped block, material, T and S.
constexpr size_t subMeshFixedBytes = 149;
// The smallest valid record: a name field holding only its terminator, T = 0.
constexpr size_t minimumSubMeshRecordSize = subMeshFixedBytes + 1;

struct SubMeshRecordView {
    const char* textureName = nullptr;  // inside the entry bytes, terminated
    int32_t nameFieldSize = 0;          // L
    MaterialBlock material;
    int32_t triangleCount = 0;          // T, as stored
    int8_t countSelector = 0;           // S
    // Start of each float64 array inside the entry bytes (any alignment).
    const uint8_t* positions = nullptr;
    const uint8_t* normals = nullptr;
    const uint8_t* texCoords = nullptr;
};

bool parseSubMeshRecord(ByteCursor& cursor, SubMeshRecordView& record, std::string& error);

// True when the second character of `name` is '#'.
bool isProceduralTextureName(const char* name);
