// OffscreenContext: a real GL context with no window (OSMesa), made current on
// construction: the snapshot tool's offscreen context, under the name the
// tests use.
#pragma once

#include "offscreen_gl.h"

using OffscreenContext = OffscreenGl;
