// GLX for the code that runs before the video library loads GL: the screen
// window's visual, the renderer of the screen's GL.
#pragma once

#include <X11/Xlib.h>

#include "platform/gl_renderer.h"

namespace platform {

// A GLX function of libGL, loaded here when the video library has not loaded
// it yet (it loads the same library later). Loaded at run time, not linked,
// so that the tests, which draw offscreen through EGL, never link GLX. Null
// without libGL.
void* glxFunction(const char* name);

// The renderer of an X screen's GL through GLX_MESA_query_renderer, on a
// connection the caller holds (the screen window's, or one of its own).
GlRenderer glxRenderer(::Display* display, int screen);

}  // namespace platform
