#include "scene/transparent_queue.h"

#include <GL/gl.h>

#include "mesh/sub_mesh.h"

// The program's one queue, made before main runs.
TransparentQueue transparentQueue;

void TransparentQueue::drawAll() {
    glDepthMask(GL_FALSE);
    for (SubMesh* subMesh : entries) subMesh->drawDeferred();
    glDepthMask(GL_TRUE);
    entries.clear();
}
