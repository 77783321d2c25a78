// Generic render hooks (attached with addHook(hook, 0); the value is ignored,
// except by hookScaleOnScreen).
//
//   hookLighting     phases 1, 3: lighting and GL_LIGHT1 on; 2, 4: off again
//   hookNoDepthTest  phases 1, 3: depth test off; 2, 4: on again
//   hookBillboard    phase 1: push the modelview matrix and replace its upper
//                    left 3x3 with the identity (keeps the position, drops
//                    rotation and scale), so the node's own meshes face the
//                    viewer; phase 2: pop. Phases 3 and 4: nothing.
//   hookScaleOnScreen phases 1, 3: push the modelview and multiply eye-space
//                    x and y by value / screenScaleOne, so what follows is
//                    drawn at that scale about the middle of the screen, each
//                    point keeping its depth (for unlit drawing: normals are
//                    not renormalised); 2, 4: pop.
//
// Each leaves the GL state as it found it once its closing phase has run.
#pragma once

#include <cstdint>

void hookLighting(int32_t phase, int32_t value);
void hookNoDepthTest(int32_t phase, int32_t value);
void hookBillboard(int32_t phase, int32_t value);
void hookScaleOnScreen(int32_t phase, int32_t value);

// The value of hookScaleOnScreen that keeps the size: the scale is in 1/65536 steps.
constexpr int32_t screenScaleOne = 65536;
