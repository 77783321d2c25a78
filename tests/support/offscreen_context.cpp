#include "offscreen_context.h"

#include <GL/osmesa.h>

#include <cstddef>

OffscreenContext::OffscreenContext(int32_t width, int32_t height)
    : width_(width), height_(height), buffer_(static_cast<size_t>(width) * height * 4) {
    OSMesaContext context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
    if (!context) return;
    if (!OSMesaMakeCurrent(context, buffer_.data(), GL_UNSIGNED_BYTE, width, height)) {
        OSMesaDestroyContext(context);
        return;
    }
    context_ = context;
}

OffscreenContext::~OffscreenContext() {
    if (context_) OSMesaDestroyContext(static_cast<OSMesaContext>(context_));
}

const uint8_t* OffscreenContext::pixel(int32_t x, int32_t y) const {
    glFinish();
    return buffer_.data() + (static_cast<size_t>(y) * width_ + x) * 4;
}
