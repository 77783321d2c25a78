// OffscreenGl on OSMesa: the context renders straight into `buffer_`.
#include "common/offscreen_gl.h"

#include <GL/osmesa.h>

#include <cstddef>

OffscreenGl::OffscreenGl(int32_t width, int32_t height)
    : width_(width), height_(height), buffer_(static_cast<size_t>(width) * height * 4) {
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (!context) return;
    if (!OSMesaMakeCurrent(context, buffer_.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context);
        return;
    }
    context_ = context;
}

OffscreenGl::~OffscreenGl() {
    if (context_) OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
}

bool OffscreenGl::makeCurrent() {
    return context_ && OSMesaMakeCurrent(static_cast<OSMesaContext>(context_), buffer_.data(),
                                         GL_UNSIGNED_BYTE, width_, height_);
}

void OffscreenGl::finishFrame() const {
    glFinish();
}
