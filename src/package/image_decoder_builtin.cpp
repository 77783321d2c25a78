// The image decoder for builds without SDL_image (Windows): PNG through
// libpng, anything else as a BMP through SDL itself.
#include <SDL/SDL.h>

#include "package/image_decode.h"
#include "package/png_decode.h"

SDL_Surface* decodeImageSurface(const uint8_t* data, size_t size) {
    if (looksLikePng(data, size)) return decodePngSurface(data, size);
    SDL_RWops* stream = SDL_RWFromMem(const_cast<uint8_t*>(data), static_cast<int>(size));
    if (!stream) return nullptr;
    return SDL_LoadBMP_RW(stream, 1);  // closes the stream
}
