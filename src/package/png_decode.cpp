#include "package/png_decode.h"

#include <SDL/SDL.h>
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <vector>

#include "package/image_decode.h"

namespace {

struct PngInput {
    const uint8_t* data;
    size_t size;
    size_t at;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
    auto* input = static_cast<PngInput*>(png_get_io_ptr(png));
    if (count > input->size - input->at) png_error(png, "truncated");
    std::memcpy(out, input->data + input->at, count);
    input->at += count;
}

// Damaged images are no errors worth a message: the caller sees null.
void quietWarning(png_structp, png_const_charp) {}

[[noreturn]] void quietError(png_structp png, png_const_charp) {
    png_longjmp(png, 1);
}

// The two steps that call into libpng: its errors longjmp back to their
// setjmp, so no C++ object with a destructor lives in these frames.
bool readHeader(png_structp png, png_infop info, png_uint_32& width, png_uint_32& height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    if (width == 0 || height == 0 || width > maxPngSide || height > maxPngSide) return false;
    png_set_expand(png);  // palette and low-bit grey to 8 bits, tRNS to alpha
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    return png_get_rowbytes(png, info) == static_cast<png_size_t>(width) * 4;
}

bool readRows(png_structp png, png_bytep* rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

}  // namespace

bool looksLikePng(const uint8_t* data, size_t size) {
    return data && size >= 8 && png_sig_cmp(data, 0, 8) == 0;
}

SDL_Surface* decodePngSurface(const uint8_t* data, size_t size) {
    if (!looksLikePng(data, size)) return nullptr;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
    if (!png) return nullptr;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return nullptr;
    }
    PngInput input{data, size, 0};
    png_set_read_fn(png, &input, readFromMemory);
    png_set_user_limits(png, maxPngSide, maxPngSide);

    SDL_Surface* surface = nullptr;
    png_uint_32 width = 0, height = 0;
    if (readHeader(png, info, width, height)) {
        surface = newRgbaSurface(static_cast<int32_t>(width), static_cast<int32_t>(height));
    }
    if (surface) {
        std::vector<png_bytep> rows(height);
        for (png_uint_32 y = 0; y < height; ++y) {
            rows[y] = static_cast<png_bytep>(surface->pixels) + static_cast<size_t>(y) * surface->pitch;
        }
        if (!readRows(png, rows.data())) {
            SDL_FreeSurface(surface);
            surface = nullptr;
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return surface;
}
