// RenderHook: a function called around a node's drawing, with the phase code
// and the value stored beside it when the hook was added.
#pragma once

#include <cstdint>

enum HookPhase : int32_t {
    BeforeMeshes = 1,  // before the node's own meshes (nodes with a model, not closing)
    AfterMeshes = 2,   // after them
    BeforeChild = 3,   // before each child is rendered (also while closing)
    AfterChild = 4,    // after each child
};

using RenderHookFunction = void (*)(int32_t phase, int32_t value);

struct RenderHook {
    RenderHookFunction function;
    int32_t value;
};
