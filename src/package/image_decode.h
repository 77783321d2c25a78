// Image entries: decoding the bytes of a package entry into 8-bit RGBA.
//
// The build picks the decoder: SDL_image where it is available (any format it
// recognises by its content), else PNG through libpng and BMP through SDL
// itself (image_decoder_builtin.cpp). Whatever layout
// the decoder produces (palette, 24-bit, another channel order) is converted
// to 4 bytes per pixel in the memory order red, green, blue, alpha, first row
// first; images without alpha come out opaque. Rows may be padded: use
// `pitch` (bytes per row, always a multiple of 4 and at least width x 4).
//
// No GL and no SDL video: tools decode images without a display.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

struct SDL_Surface;

struct SurfaceDeleter {
    void operator()(SDL_Surface* surface) const;
};
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

struct RgbaImage {
    SurfacePtr surface;         // owns the pixels
    int32_t width = 0;          // pixels, > 0 when decoded
    int32_t height = 0;         // pixels, > 0 when decoded
    int32_t pitch = 0;          // bytes per row
    const uint8_t* pixels = nullptr;  // row 0 first; valid while `surface` lives
};

// Decodes `size` bytes at `data`. False (and `image` empty) when the bytes are
// not an image the decoder knows, or the result cannot be converted.
bool decodeRgbaImage(const uint8_t* data, size_t size, RgbaImage& image);

// The two halves of decodeRgbaImage. The build's decoder: a new surface in
// whatever layout it produces, or null (`size` is at most INT_MAX).
SDL_Surface* decodeImageSurface(const uint8_t* data, size_t size);
// A new, uninitialised surface in the RGBA layout, or null.
SDL_Surface* newRgbaSurface(int32_t width, int32_t height);
// Takes `decoded` and converts it to RGBA. False when it is null or cannot be
// converted.
bool rgbaImageFromSurface(SurfacePtr decoded, RgbaImage& image);
