#include "scene/transparent_queue.h"

#include <GL/gl.h>

#include "mesh/sub_mesh.h"

// The program's one queue, made before main runs.
TransparentQueue transparentQueue;

void TransparentQueue::drawAll() {
    glDepthMask(GL_FALSE);
    if (!entries.empty()) {
        glEnable(GL_BLEND);
        const SubMesh* previous = nullptr;
        for (SubMesh* subMesh : entries) {
            subMesh->drawDeferred(previous);
            previous = subMesh;
        }
        previous->endReplays();
        glDisable(GL_BLEND);
    }
    glDepthMask(GL_TRUE);
    entries.clear();
}
