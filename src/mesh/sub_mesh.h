// SubMesh: one textured triangle list with one material, drawn straight from
// the bytes of a model entry (record layout: sub_mesh_record.h).
//
// `read` parses one record and acquires its texture: a generated texture from
// the ProceduralTextureRegistry when the name's second character is '#',
// otherwise the image entry of that name in the model's package through the
// TextureCache (which also takes one use of the package). The destructor gives
// back exactly what `read` took.
//
// `draw` is called by the node traversal with the node's modelview matrix
// current. It captures that matrix; an opaque sub-mesh is drawn at once, a
// transparent one (material flag) captures the depth-test, normalize, lighting
// and light 1..8 enables and is queued in the TransparentQueue, whose pass
// replays it with `drawDeferred` after the whole scene.
//
// GL state relied on (the Display sets it): vertex, normal and texture
// coordinate arrays enabled, GL_TEXTURE_2D and depth test on, the alpha and
// blend functions. Whatever drawing enables it disables again; it does leave
// its texture bound, its material set and its array pointers in place.
//
// Ownership: owned by its scene node. The geometry pointers and
// `textureEntryName` point into the entry bytes, which belong to the open
// package; the node holds a use of that package for as long as it lives.
#pragma once

#include <cstdint>
#include <string>

#include "mesh/material_block.h"

class ByteCursor;

class SubMesh {
public:
    SubMesh() = default;
    // Releases the texture if `read` acquired one.
    ~SubMesh();
    SubMesh(const SubMesh&) = delete;
    SubMesh& operator=(const SubMesh&) = delete;

    // Parses the record at the cursor, acquires its texture and leaves the
    // cursor right behind the record. On a record that runs past the bytes or
    // a name without terminator: false, nothing acquired, the cursor at the
    // record's start, and `error` says what and where (the caller adds the
    // file and entry names). Needs GL (texture creation).
    bool read(ByteCursor& cursor, const std::string& packageName, std::string& error);

    // Draws now (opaque) or queues for the transparent pass.
    void draw();
    // The transparent pass's replay, with the enables and matrix captured.
    void drawDeferred();

    MaterialBlock material;  // decoded from the record
    bool savedDepthTest = false;
    bool savedNormalize = false;
    bool savedLighting = false;
    bool savedLights[8] = {};  // GL_LIGHT1 + i; read only when savedLighting
    int32_t triangleCount = 0;
    // float64 arrays inside the entry bytes, possibly unaligned: handed to GL
    // as they lie, never dereferenced here.
    const uint8_t* positions = nullptr;  // 9 per triangle
    const uint8_t* normals = nullptr;    // 9 per triangle
    const uint8_t* texCoords = nullptr;  // 6 per triangle
    std::string textureSource;  // package name, or the procedural texture name
    const char* textureEntryName = nullptr;  // the record's name, inside the entry
    uint32_t texture = 0;
    bool procedural = false;
    double modelview[16] = {};  // captured at every draw

private:
    // Binds the texture, sets the material and the arrays, draws the triangles.
    void drawGeometry() const;

    bool textureHeld = false;
};
