#include "package/png_decode.h"

#include <SDL/SDL.h>
#include <png.h>

#include <csetjmp>
#include <cstring>
#include <functional>
#include <new>
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
bool readHeader(png_structp png, png_infop info, png_uint_32& width, png_uint_32& height, bool& plain) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    width = png_get_image_width(png, info);
    height = png_get_image_height(png, info);
    const int colourType = png_get_color_type(png, info);
    plain = png_get_bit_depth(png, info) == 8 && !png_get_valid(png, info, PNG_INFO_tRNS) &&
            (colourType == PNG_COLOR_TYPE_RGB || colourType == PNG_COLOR_TYPE_RGB_ALPHA);
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

namespace {

// The rows to fill once the size is known: the first row and the distance
// between rows, or null to give up.
struct RowTarget {
    uint8_t* first = nullptr;
    size_t pitch = 0;
};

// Decodes the bytes into the rows `target` gives for the image's size.
// `plainOnly` accepts only 8-bit RGB and RGBA without a tRNS chunk.
bool decodeInto(const uint8_t* data, size_t size, bool plainOnly,
                const std::function<RowTarget(uint32_t, uint32_t)>& target) {
    if (!looksLikePng(data, size)) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, quietError, quietWarning);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    PngInput input{data, size, 0};
    png_set_read_fn(png, &input, readFromMemory);
    png_set_user_limits(png, maxPngSide, maxPngSide);

    bool decoded = false;
    png_uint_32 width = 0, height = 0;
    bool plain = true;
    if (readHeader(png, info, width, height, plain) && (plain || !plainOnly)) {
        RowTarget rows;
        try {
            rows = target(width, height);
        } catch (const std::bad_alloc&) {
            rows = RowTarget{};  // no memory for the pixels: not decoded
        }
        if (rows.first) {
            std::vector<png_bytep> pointers(height);
            for (png_uint_32 y = 0; y < height; ++y) pointers[y] = rows.first + static_cast<size_t>(y) * rows.pitch;
            decoded = readRows(png, pointers.data());
        }
    }
    png_destroy_read_struct(&png, &info, nullptr);
    return decoded;
}

}  // namespace

SDL_Surface* decodePngSurface(const uint8_t* data, size_t size) {
    SDL_Surface* surface = nullptr;
    const bool decoded = decodeInto(data, size, false, [&](uint32_t width, uint32_t height) {
        surface = newRgbaSurface(static_cast<int32_t>(width), static_cast<int32_t>(height));
        return surface ? RowTarget{static_cast<uint8_t*>(surface->pixels), static_cast<size_t>(surface->pitch)}
                       : RowTarget{};
    });
    if (!decoded && surface) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
    return surface;
}

bool decodePlainPng(const uint8_t* data, size_t size, PlainPng& image) {
    image = PlainPng();
    const bool decoded = decodeInto(data, size, true, [&](uint32_t width, uint32_t height) {
        image.width = static_cast<int32_t>(width);
        image.height = static_cast<int32_t>(height);
        image.rgba.resize(static_cast<size_t>(width) * height * 4);
        return RowTarget{image.rgba.data(), static_cast<size_t>(width) * 4};
    });
    if (!decoded) image = PlainPng();
    return decoded;
}
