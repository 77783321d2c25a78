// PNG images decoded with libpng straight into an SDL surface, for builds
// without SDL_image (the Windows build decodes every image entry this way).
//
// Any PNG colour type and bit depth comes out as 8-bit RGBA (red, green,
// blue, alpha in memory order; images without alpha opaque, a tRNS chunk
// turned into alpha). The bytes are read through a bounds-checked cursor;
// truncated or damaged data, and images wider or taller than
// maxPngSide pixels, give null.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

struct SDL_Surface;

constexpr uint32_t maxPngSide = 16384;

// True when the bytes start with the PNG signature.
bool looksLikePng(const uint8_t* data, size_t size);

// A new surface the caller frees with SDL_FreeSurface, or null.
SDL_Surface* decodePngSurface(const uint8_t* data, size_t size);

// An image decoded without SDL: packed rows of 4 bytes per pixel.
struct PlainPng {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint8_t> rgba;
};

// Decodes an 8-bit RGB or RGBA PNG without a tRNS chunk (what our tools
// write) into `image`, touching nothing of SDL, so any thread may call it.
// Such images come out exactly as every decoder gives them. False (and
// `image` empty) for any other PNG, damaged data or other bytes.
bool decodePlainPng(const uint8_t* data, size_t size, PlainPng& image);
