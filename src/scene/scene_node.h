// SceneNode: one node of the scene tree — a placement, running behaviours
// (ControllerSet, fed through the ActionList), optional model meshes, render
// hooks and owned children.
//
// Lifetime: nodes are made with `new` and handed to their parent with
// addChild. A node is deleted only by its parent's traversal, once it is
// `closed`. Closing protocol: markClosing hides the node and its subtree from
// the next traversal on; each traversal closes one more level from the leaves
// up (a closing node with no children left becomes `closed`), and the parent
// deletes closed children at the start of its next child pass. The two roots
// are never deleted by a traversal; their owner deletes them once closed.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene/action_list.h"
#include "scene/controller_set.h"
#include "scene/render_hook.h"
#include "scene/transform.h"

class SubMesh;

class SceneNode {
public:
    SceneNode();  // bound to its own ControllerSet; stamp = frameTicks now
    ~SceneNode();
    SceneNode(const SceneNode&) = delete;
    SceneNode& operator=(const SceneNode&) = delete;

    // Takes ownership of `child` and renders it after the existing children.
    void addChild(SceneNode* child);
    void addHook(RenderHookFunction function, int32_t value);
    void markClosing() { closing = true; }
    // Appends the sub-meshes of model `entryName` of package `packageName`
    // (model_loading.cpp). The node holds one use of the package until it is
    // destroyed, also when the entry is missing or refused; those leave the
    // node's meshes as they were and say so once on stderr.
    void loadModel(const std::string& packageName, const std::string& entryName);

    void setTranslation(double x, double y, double z) { transform.setTranslation(x, y, z); }
    void setRotation(double x, double y, double z) { transform.setRotation(x, y, z); }
    void setScale(double x, double y, double z) { transform.setScale(x, y, z); }
    void translate(double dx, double dy, double dz) { transform.translate(dx, dy, dz); }
    void rotate(double dx, double dy, double dz) { transform.rotate(dx, dy, dz); }

    // One frame of this subtree: placement, behaviours, own meshes (with hook
    // phases 1 and 2), reaping of closed children, children (each between
    // hook phases 3 and 4). Leaves the GL matrix as it found it.
    void render();

    Transform transform;
    ControllerSet controllers;
    ActionList actions;
    bool closing = false;
    bool closed = false;
    std::vector<RenderHook> hooks;
    std::vector<std::unique_ptr<SubMesh>> subMeshes;  // in load order
    std::vector<std::string> packageNames;  // one per loadModel call
    int32_t subMeshCount = 0;
    bool hasMeshes = false;
    std::vector<SceneNode*> children;

private:
    void callHooks(int32_t phase);
    void drawOwnMeshes();
    void reapClosedChildren();
};

// The node whose traversal began most recently; behaviours read it to find
// their own node.
extern SceneNode* currentNode;
