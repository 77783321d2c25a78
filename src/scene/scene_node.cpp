#include "scene/scene_node.h"

#include <GL/gl.h>

#include <cstddef>

#include "mesh/sub_mesh.h"
#include "package/texture_cache.h"

SceneNode* currentNode = nullptr;

SceneNode::SceneNode() {
    actions.bind(&controllers);
}

SceneNode::~SceneNode() {
    for (const std::string& packageName : packageNames) textureCache.releasePackage(packageName);
    subMeshes.clear();
    // The closing protocol empties a node before it is deleted; a node torn
    // down early (by its owner) still takes its subtree with it.
    for (SceneNode* child : children) delete child;
}

void SceneNode::addChild(SceneNode* child) {
    children.push_back(child);
}

void SceneNode::addHook(RenderHookFunction function, int32_t value) {
    hooks.push_back({function, value});
}

void SceneNode::callHooks(int32_t phase) {
    for (const RenderHook& hook : hooks) hook.function(phase, hook.value);
}

void SceneNode::drawOwnMeshes() {
    for (int32_t i = 0; i < subMeshCount; ++i) subMeshes[static_cast<size_t>(i)]->draw();
}

// Deleting a child cannot close its siblings, so one pass finds every closed
// child in order.
void SceneNode::reapClosedChildren() {
    for (size_t i = 0; i < children.size();) {
        if (children[i]->closed) {
            delete children[i];
            children.erase(children.begin() + static_cast<std::ptrdiff_t>(i));
        } else {
            ++i;
        }
    }
}

void SceneNode::render() {
    currentNode = this;
    glPushMatrix();
    transform.applyTranslateRotate();
    if (!closing) {
        controllers.update();
        if (hasMeshes) {
            callHooks(BeforeMeshes);
            if (transform.isScaled()) {
                // The scale belongs to this node's own meshes, not its children.
                glPushMatrix();
                transform.applyScale();
                glEnable(GL_NORMALIZE);
                drawOwnMeshes();
                glDisable(GL_NORMALIZE);
                glPopMatrix();
            } else {
                drawOwnMeshes();
            }
            callHooks(AfterMeshes);
        }
    }
    reapClosedChildren();
    if (closing && children.empty()) {
        closed = true;
    } else {
        // The size is read afresh: a child added during this frame's update
        // is rendered in this same traversal.
        for (size_t i = 0; i < children.size(); ++i) {
            if (closing) children[i]->closing = true;
            callHooks(BeforeChild);
            children[i]->render();
            callHooks(AfterChild);
        }
    }
    glPopMatrix();
}
