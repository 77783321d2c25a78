// The image decoder for builds without SDL_image (Windows): PNG through
// libpng, anything else as a BMP through SDL itself.
#include <SDL/SDL.h>

#include "package/image_decode.h"
#include "package/png_decode.h"

namespace {

// SDL's own BMP reader leaves a 32-bit bitmap without alpha, where SDL_image
// reads the fourth byte as alpha. Do as SDL_image does, unless that byte is
// zero all over (a bitmap written without alpha stays opaque).
void keepBmpAlpha(SDL_Surface* surface) {
    SDL_PixelFormat* format = surface->format;
    if (format->BitsPerPixel != 32 || format->Amask != 0 || !surface->pixels) return;
    const Uint32 alpha = ~(format->Rmask | format->Gmask | format->Bmask);
    if (alpha == 0) return;
    bool any = false;
    for (int y = 0; y < surface->h && !any; ++y) {
        const auto* row = reinterpret_cast<const Uint32*>(static_cast<const Uint8*>(surface->pixels) +
                                                          static_cast<size_t>(y) * surface->pitch);
        for (int x = 0; x < surface->w; ++x) any = any || (row[x] & alpha) != 0;
    }
    if (!any) return;
    format->Amask = alpha;
    format->Ashift = 0;
    while (((alpha >> format->Ashift) & 1) == 0) ++format->Ashift;
    format->Aloss = 0;
}

}  // namespace

SDL_Surface* decodeImageSurface(const uint8_t* data, size_t size) {
    if (looksLikePng(data, size)) return decodePngSurface(data, size);
    SDL_RWops* stream = SDL_RWFromMem(const_cast<uint8_t*>(data), static_cast<int>(size));
    if (!stream) return nullptr;
    SDL_Surface* surface = SDL_LoadBMP_RW(stream, 1);  // closes the stream
    if (surface) keepBmpAlpha(surface);
    return surface;
}
