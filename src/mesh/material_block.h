// MaterialBlock: the material of one sub-mesh.
//
// On disk it is 60 bytes inside a sub-mesh record, at any alignment:
//   0  u8        alpha-test flag (non-zero: GL_ALPHA_TEST while drawn)
//   1  u8        transparent flag (non-zero: drawn in the transparent pass)
//   2  2 bytes   reserved, not read
//   4  4 x f32   ambient R, G, B, A
//   20 4 x f32   diffuse R, G, B, A
//   36 4 x f32   specular R, G, B, A
//   52 f32       shininess (GL range 0..128)
//   56 4 bytes   reserved, not read
// In memory it is the decoded struct below, aligned and ready for glMaterial.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class ByteCursor;

constexpr size_t materialBlockSize = 60;

struct MaterialBlock {
    uint8_t alphaTest = 0;
    uint8_t transparent = 0;
    float ambient[4] = {0, 0, 0, 1};
    float diffuse[4] = {0, 0, 0, 1};
    float specular[4] = {0, 0, 0, 1};
    float shininess = 0;
};

// Decodes the 60 bytes at the cursor and moves past them. False (cursor
// unmoved) when fewer than 60 bytes remain.
bool readMaterialBlock(ByteCursor& cursor, MaterialBlock& material);

// Appends the 60-byte form; reserved bytes are written as zero.
void appendMaterialBlock(std::vector<uint8_t>& out, const MaterialBlock& material);
