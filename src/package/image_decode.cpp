#include "package/image_decode.h"

#include <SDL/SDL.h>

#include <climits>

namespace {

// Channel masks that put red, green, blue, alpha in that order in memory.
#if SDL_BYTEORDER == SDL_BIG_ENDIAN
constexpr Uint32 redMask = 0xFF000000, greenMask = 0x00FF0000, blueMask = 0x0000FF00,
                 alphaMask = 0x000000FF;
#else
constexpr Uint32 redMask = 0x000000FF, greenMask = 0x0000FF00, blueMask = 0x00FF0000,
                 alphaMask = 0xFF000000;
#endif

bool isRgba8(const SDL_Surface* surface) {
    const SDL_PixelFormat* f = surface->format;
    return f->BytesPerPixel == 4 && f->Rmask == redMask && f->Gmask == greenMask &&
           f->Bmask == blueMask && f->Amask == alphaMask;
}

// A copy of `source` in the RGBA layout, or null.
SDL_Surface* convertToRgba(SDL_Surface* source) {
    SDL_Surface* model = newRgbaSurface(1, 1);
    if (!model) return nullptr;
    // SDL copies a per-pixel alpha channel as it is, gives images without one
    // an opaque alpha, and leaves colour-keyed pixels transparent (zero).
    SDL_Surface* converted = SDL_ConvertSurface(source, model->format, SDL_SWSURFACE);
    SDL_FreeSurface(model);
    return converted;
}

}  // namespace

SDL_Surface* newRgbaSurface(int32_t width, int32_t height) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 32, redMask, greenMask, blueMask, alphaMask);
}

void SurfaceDeleter::operator()(SDL_Surface* surface) const {
    SDL_FreeSurface(surface);
}

bool rgbaImageFromSurface(SurfacePtr decoded, RgbaImage& image) {
    image = RgbaImage();
    if (!decoded) return false;
    SurfacePtr rgba;
    if (isRgba8(decoded.get())) {
        rgba = std::move(decoded);
    } else {
        rgba.reset(convertToRgba(decoded.get()));
        if (!rgba) return false;
    }

    SDL_Surface* s = rgba.get();
    if (s->w <= 0 || s->h <= 0 || !s->pixels || s->pitch % 4 != 0 || s->pitch / 4 < s->w) {
        return false;
    }
    image.width = s->w;
    image.height = s->h;
    image.pitch = s->pitch;
    image.pixels = static_cast<const uint8_t*>(s->pixels);
    image.surface = std::move(rgba);
    return true;
}

bool decodeRgbaImage(const uint8_t* data, size_t size, RgbaImage& image) {
    image = RgbaImage();
    if (!data || size == 0 || size > static_cast<size_t>(INT_MAX)) return false;
    return rgbaImageFromSurface(SurfacePtr(decodeImageSurface(data, size)), image);
}
