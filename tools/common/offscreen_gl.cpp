// The part of the offscreen context that does not depend on how the frame
// is drawn: handing out its pixels.
#include "common/offscreen_gl.h"

#include <cstring>

std::vector<uint8_t> OffscreenGl::topDownPixels() const {
    finishFrame();
    const size_t row = static_cast<size_t>(width_) * 4;
    std::vector<uint8_t> out(buffer_.size());
    for (int32_t y = 0; y < height_; ++y) {
        std::memcpy(&out[y * row], &buffer_[(height_ - 1 - y) * row], row);
    }
    for (size_t i = 3; i < out.size(); i += 4) out[i] = 255;
    return out;
}

const uint8_t* OffscreenGl::pixel(int32_t x, int32_t y) const {
    finishFrame();
    return buffer_.data() + (static_cast<size_t>(y) * width_ + x) * 4;
}
