// SubMesh: one textured triangle list with one material, read from the bytes
// of a model entry (record layout: sub_mesh_record.h) and drawn from its own
// copy of the corners, each distinct one once (shared_vertices.h).
//
// `read` parses one record and acquires its texture: a generated texture from
// the ProceduralTextureRegistry when the name's second character is '#',
// otherwise the image entry of that name in the model's package through the
// TextureCache (which also takes one use of the package). The destructor gives
// back exactly what `read` took.
//
// `draw` is called by the node traversal with the node's modelview matrix
// current. It captures that matrix; an opaque sub-mesh is drawn at once, a
// transparent one (material flag) captures the depth-test, normalize, lighting,
// light 1..8, alpha-test and clip-plane-0 enables and is queued in the TransparentQueue,
// whose pass replays it with `drawDeferred` after the whole scene.
//
// GL state relied on (the Display sets it): vertex, normal and texture
// coordinate arrays enabled, GL_TEXTURE_2D and depth test on, the alpha and
// blend functions. Whatever drawing enables it disables again; it does leave
// its texture bound, its material set and its array pointers in place.
//
// Ownership: owned by its scene node. `textureEntryName` points into the entry
// bytes, which belong to the open package; the node holds a use of that
// package for as long as it lives.
#pragma once

#include <cstdint>
#include <string>

#include "mesh/material_block.h"
#include "mesh/shared_vertices.h"

class ByteCursor;

// The enables a transparent sub-mesh is replayed with, as captured when it
// was queued. Default: what the traversal keeps between nodes (depth test
// on, the others off).
struct ReplayEnables {
    bool depthTest = true;
    bool normalize = false;
    bool lighting = false;
    bool lights[8] = {};  // GL_LIGHT1 + i; read only when lighting
    bool alphaTest = false;
    bool clipPlane = false;  // GL_CLIP_PLANE0
};

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
    // `previous`: the sub-mesh replayed just before in the same pass, or
    // null for the first; what it left set the same (enables, texture,
    // material) is not set again. The pass enables blending around the
    // replays, and `endReplays` on the last one brings the enables back.
    void drawDeferred(const SubMesh* previous);
    void endReplays() const;

    MaterialBlock material;  // decoded from the record
    ReplayEnables replay;    // captured when queued
    int32_t triangleCount = 0;
    SharedVertices geometry;  // the record's triangles, corners shared
    std::string textureSource;  // package name, or the procedural texture name
    const char* textureEntryName = nullptr;  // the record's name, inside the entry
    uint32_t texture = 0;
    bool procedural = false;
    double modelview[16] = {};  // captured at every draw

private:
    // Binds the texture, sets the material (unless `previous` left both so)
    // and the arrays, draws the triangles.
    void drawGeometry(const SubMesh* previous = nullptr) const;

    bool textureHeld = false;
};
