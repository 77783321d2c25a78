// The image decoder where SDL_image is available: any format it recognises.
#include <SDL/SDL.h>
#include <SDL/SDL_image.h>

#include "package/image_decode.h"

SDL_Surface* decodeImageSurface(const uint8_t* data, size_t size) {
    // SDL 1.2 takes a non-const pointer; the stream is opened for reading only.
    SDL_RWops* stream = SDL_RWFromMem(const_cast<uint8_t*>(data), static_cast<int>(size));
    if (!stream) return nullptr;
    SDL_Surface* decoded = IMG_Load_RW(stream, 0);
    SDL_RWclose(stream);
    return decoded;
}
