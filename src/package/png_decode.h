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

struct SDL_Surface;

constexpr uint32_t maxPngSide = 16384;

// True when the bytes start with the PNG signature.
bool looksLikePng(const uint8_t* data, size_t size);

// A new surface the caller frees with SDL_FreeSurface, or null.
SDL_Surface* decodePngSurface(const uint8_t* data, size_t size);
