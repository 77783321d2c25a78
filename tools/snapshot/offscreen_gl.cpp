#include "offscreen_gl.h"

#include <GL/osmesa.h>

#include <cstring>

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

std::vector<uint8_t> OffscreenGl::topDownPixels() const {
    glFinish();
    const size_t row = static_cast<size_t>(width_) * 4;
    std::vector<uint8_t> out(buffer_.size());
    for (int32_t y = 0; y < height_; ++y) {
        std::memcpy(&out[y * row], &buffer_[(height_ - 1 - y) * row], row);
    }
    for (size_t i = 3; i < out.size(); i += 4) out[i] = 255;
    return out;
}

const uint8_t* OffscreenGl::pixel(int32_t x, int32_t y) const {
    glFinish();
    return buffer_.data() + (static_cast<size_t>(y) * width_ + x) * 4;
}
