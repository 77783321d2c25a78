// OffscreenContext: a real GL context with no window (OSMesa), made current on
// construction. RGBA colour buffer and a 24-bit depth buffer of the given size.
#pragma once

#include <cstdint>
#include <vector>

class OffscreenContext {
public:
    OffscreenContext(int32_t width, int32_t height);
    ~OffscreenContext();
    OffscreenContext(const OffscreenContext&) = delete;
    OffscreenContext& operator=(const OffscreenContext&) = delete;

    bool valid() const { return context_ != nullptr; }
    int32_t width() const { return width_; }
    int32_t height() const { return height_; }
    // Red, green, blue, alpha of the pixel at (x, y), y counted from the bottom.
    const uint8_t* pixel(int32_t x, int32_t y) const;

private:
    void* context_ = nullptr;
    int32_t width_;
    int32_t height_;
    std::vector<uint8_t> buffer_;
};
