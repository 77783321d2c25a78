// OffscreenContext: a real GL context with no window of its own (EGL, or a
// hidden window's under Wine), made current on construction: the tools'
// offscreen context (tools/common), under the name the tests use.
#pragma once

#include "common/offscreen_gl.h"

using OffscreenContext = OffscreenGl;
