// TransparentQueue: the transparent sub-meshes of a frame, drawn after the
// whole scene.
//
// SubMesh::draw queues a transparent sub-mesh (with its matrix and enables
// captured) instead of drawing it; after both scene roots are rendered the
// frame calls drawAll, which replays them in queue order (the traversal
// order, no depth sorting) with depth writes off, so they blend over the
// opaque scene and never hide one another through the depth buffer. Blending
// is enabled once for the pass, and each replay sets only the enables,
// texture and material that differ from the one before: a stream of like
// sprites costs one matrix and one draw each.
//
// The queue holds pointers and does not own them; they stay valid until
// drawAll because nodes are deleted only during the traversal and a closing
// node queues nothing. Emptying keeps the storage: a steady scene queues
// without allocating.
#pragma once

#include <cstddef>
#include <vector>

class SubMesh;

class TransparentQueue {
public:
    void push(SubMesh* subMesh) { entries.push_back(subMesh); }
    // Depth mask off, replay every entry (SubMesh::drawDeferred), depth mask
    // on, empty the queue. Runs the mask pair also when the queue is empty.
    // Leaves the modelview matrix at the last replayed sub-mesh's.
    void drawAll();
    size_t size() const { return entries.size(); }

private:
    std::vector<SubMesh*> entries;
};

extern TransparentQueue transparentQueue;
