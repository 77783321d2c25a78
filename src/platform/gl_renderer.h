// What draws the screen's GL, asked before any window or context is made, so
// that the show can choose its set-up by it: a software rasteriser (Mesa's
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

// The X screen's renderer through GLX_MESA_query_renderer (Mesa's GLX, no
// context needed). Unknown without an X display, with another vendor's GLX,
// and on Windows.
GlRenderer screenGlRenderer();

// Whether the picture gets multisampled buffers: an unknown renderer is
// taken for a GPU, as before anything was known.
bool wantsMultisampling(Multisampling choice, const GlRenderer& renderer);

// One line for --version: the renderer and the set-up the show chooses for
// it; empty when the renderer cannot be told.
std::string describeGlSetUp(Multisampling choice, const GlRenderer& renderer);

}  // namespace platform
