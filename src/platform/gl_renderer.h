// What draws the screen's GL, asked before the show's window and context are
// made, so that the show can choose its set-up by it: a software rasteriser (Mesa's
// llvmpipe, softpipe or swrast) pays for every multisample in processor time,
// at the cost of half the frame rate and more, while a GPU smooths the edges
// almost for free.
#pragma once

#include <string>

namespace platform {

// Whether the show's full-screen picture is multisampled: as the GL it runs
// on suits (automatic: on a GPU, not on a software rasteriser), or as the
// user asked.
enum class Multisampling { automatic, on, off };

struct GlRenderer {
    bool known = false;       // the platform could tell without drawing
    bool accelerated = true;  // drawn by a GPU
    std::string name;         // as the GL names it ("llvmpipe (LLVM 15.0.6, 256 bits)")
};

// The screen's renderer. On X11 through GLX_MESA_query_renderer (Mesa's GLX,
// no context needed; unknown without an X display and with another vendor's
// GLX); on Windows from a context on a hidden window, made and gone again
// before the show opens its own.
GlRenderer screenGlRenderer();

// Whether GL_RENDERER names a software rasteriser: Mesa's llvmpipe, softpipe
// and swrast ("Software Rasterizer"), Microsoft's "GDI Generic".
bool isSoftwareRendererName(const std::string& name);

// Whether the picture gets multisampled buffers: an unknown renderer is
// taken for a GPU, as before anything was known.
bool wantsMultisampling(Multisampling choice, const GlRenderer& renderer);

// One line for --version: the renderer and the set-up the show chooses for
// it; empty when the renderer cannot be told.
std::string describeGlSetUp(Multisampling choice, const GlRenderer& renderer);

}  // namespace platform
