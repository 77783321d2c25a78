#include "platform/gl_renderer.h"

namespace platform {

// Windows has no way to ask without making a context; its software
// rasteriser (GDI Generic) offers no multisampled formats to choose anyway.
GlRenderer screenGlRenderer() {
    return {};
}

}  // namespace platform
