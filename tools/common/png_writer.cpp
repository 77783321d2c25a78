#include "common/png_writer.h"

#include <png.h>

#include <stdexcept>

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

}  // namespace

std::vector<uint8_t> encodePng(int width, int height, const std::vector<uint8_t>& rgba,
                               bool opaque) {
    if (width <= 0 || height <= 0 || rgba.size() != static_cast<size_t>(width) * height * 4) {
        throw std::runtime_error("encodePng: pixel count does not match the size");
    }
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) throw std::runtime_error("encodePng: libpng could not start");
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("encodePng: libpng failed");
    }
    png_set_write_fn(png, &out, appendBytes, flushNothing);
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    if (opaque) png_set_filler(png, 0, PNG_FILLER_AFTER);  // drops the 4th byte on write
    for (int row = 0; row < height; ++row) {
        png_write_row(png, const_cast<png_bytep>(&rgba[static_cast<size_t>(row) * width * 4]));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}
