// The backdrop: the background picture, one flat opaque quad behind the whole
// world. Drawn with the depth test, it would cost a software rasteriser a
// depth read and write for every pixel of the screen, and it would keep
// llvmpipe from treating it as an opaque cover for the screen. Drawn without,
// it leaves no depth behind, so what flies past it (small hearts far away)
// would show through where the depth test hid it; a clip plane at the
// backdrop's plane hides it instead, pixel for pixel the same.
//
//   hookBackdrop           phase 1: depth test off; phase 2: on again, and
//                          clip plane 0 set (not enabled) to the plane of the
//                          node's mesh as drawn, keeping the eye's side.
//                          Phases 3 and 4: nothing.
//   hookClipBehindBackdrop phases 1, 3: clip plane 0 on; 2, 4: off. For the
//                          nodes drawn after the backdrop that can pass
//                          behind it; a transparent mesh captures it.
//
// A background that is anything else (a skin's model of several parts, or a
// transparent one) keeps the depth test and gets neither hook.
#pragma once

#include <cstdint>

class SceneNode;

// One opaque sub-mesh of two triangles whose corners lie in one plane.
bool isFlatBackdrop(const SceneNode& node);

void hookBackdrop(int32_t phase, int32_t value);
void hookClipBehindBackdrop(int32_t phase, int32_t value);
