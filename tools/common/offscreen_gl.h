// An offscreen GL context for rendering the show without a window: RGBA
// colour with a 24-bit depth buffer, made current on construction. The build
// picks the platform's version, as it picks src/platform's folder: a
// framebuffer object on EGL's surfaceless platform (posix/offscreen_gl_egl.cpp)
// for the tools, tests and benchmarks on Linux, with no X server; a hidden
// window's back buffer (win32/offscreen_gl_wgl.cpp) for the Windows tests
// under Wine. What both share is in offscreen_gl.cpp.
#pragma once

#include <cstdint>
#include <vector>

class OffscreenGl {
public:
    OffscreenGl(int32_t width, int32_t height);
    ~OffscreenGl();
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;

    bool valid() const { return context_ != nullptr; }
    // Makes this context current again after another one was.
    bool makeCurrent();
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // The finished frame as 8-bit RGBA, top row first, alpha forced opaque.
    std::vector<uint8_t> topDownPixels() const;
    // Red, green, blue, alpha of the pixel at (x, y), y counted from the
    // bottom, after the frame has finished.
    const uint8_t* pixel(int32_t x, int32_t y) const;

private:
    // Waits for the frame and leaves its pixels in `buffer_`, bottom row
    // first (one version per platform).
    void finishFrame() const;

    void* context_ = nullptr;
    void* window_ = nullptr;  // the drawable behind the context, where there is one
    int32_t width_;
    int32_t height_;
    mutable std::vector<uint8_t> buffer_;  // bottom row first, read back
};
