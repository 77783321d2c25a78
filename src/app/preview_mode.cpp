#include "app/preview_mode.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <limits>

#include "app/install_directory.h"
#include "app/preview_scale.h"
#include "package/byte_cursor.h"
#include "platform/preview_window.h"

namespace {

constexpr size_t bytesPerPixel = 3;

// The surface holds 24-bit pixels whose bytes, in memory order, are blue,
// green, red, as in the bitmap file.
bool isBlueGreenRed(const SDL_PixelFormat& format) {
    if (format.BitsPerPixel != 24 || format.BytesPerPixel != bytesPerPixel) return false;
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
    return format.Rmask == 0xFF0000 && format.Gmask == 0x00FF00 && format.Bmask == 0x0000FF;
#else
    return format.Rmask == 0x0000FF && format.Gmask == 0x00FF00 && format.Bmask == 0xFF0000;
#endif
}

// Every row lies inside `size` bytes: (rows - 1) rows of `pitch` bytes and one
// of `rowBytes`, with the arithmetic checked before it is trusted.
bool rowsFit(size_t size, size_t rowBytes, size_t pitch, size_t rows) {
    if (pitch < rowBytes || rows == 0) return false;
    const size_t rowsBeforeLast = rows - 1;
    if (rowsBeforeLast && pitch > std::numeric_limits<size_t>::max() / rowsBeforeLast) return false;
    const size_t lastRowStart = pitch * rowsBeforeLast;
    return lastRowStart <= size && size - lastRowStart >= rowBytes;
}

}  // namespace

PreviewPaint blackPreviewPaint(int32_t areaWidth, int32_t areaHeight) {
    PreviewPaint paint;
    if (areaWidth <= 0 || areaHeight <= 0) return paint;
    paint.width = areaWidth;
    paint.height = areaHeight;
    paint.pixels.assign(static_cast<size_t>(areaWidth) * static_cast<size_t>(areaHeight), 0);
    return paint;
}

namespace {

// The whole picture held as rows of B,G,R bytes, or no pixels when the rows
// are unusable (see previewPaintFromRows).
PreviewPaint pictureFromRows(const uint8_t* data, size_t size, int32_t width, int32_t height, size_t pitch) {
    PreviewPaint picture;
    if (!data || width <= 0 || height <= 0) return picture;
    const size_t rowBytes = static_cast<size_t>(width) * bytesPerPixel;
    if (!rowsFit(size, rowBytes, pitch, static_cast<size_t>(height))) return picture;

    picture.pixels.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    uint32_t* out = picture.pixels.data();
    for (int32_t y = 0; y < height; ++y) {
        const size_t start = pitch * static_cast<size_t>(y);
        ByteCursor row(data + start, size - start);
        const uint8_t* bytes;
        if (!row.take(rowBytes, bytes)) return {};
        for (size_t o = 0; o < rowBytes; o += bytesPerPixel) {
            *out++ = uint32_t(bytes[o + 2]) << 16 | uint32_t(bytes[o + 1]) << 8 | bytes[o];
        }
    }
    picture.width = width;
    picture.height = height;
    return picture;
}

// The picture from the area's top-left corner, pixel for pixel, clipped.
PreviewPaint clippedToArea(const PreviewPaint& picture, int32_t areaWidth, int32_t areaHeight) {
    PreviewPaint paint;
    if (areaWidth <= 0 || areaHeight <= 0) return paint;
    paint.width = std::min(picture.width, areaWidth);
    paint.height = std::min(picture.height, areaHeight);
    paint.pixels.reserve(static_cast<size_t>(paint.width) * static_cast<size_t>(paint.height));
    for (int32_t y = 0; y < paint.height; ++y) {
        const auto row = picture.pixels.begin() + static_cast<ptrdiff_t>(y) * picture.width;
        paint.pixels.insert(paint.pixels.end(), row, row + paint.width);
    }
    return paint;
}

// The picture file loaded whole, or no pixels when it does not load as a
// 24-bit B,G,R bitmap.
PreviewPaint loadPreviewPicture(const std::string& path) {
    SDL_RWops* stream = SDL_RWFromFile(path.c_str(), "rb");
    SDL_Surface* surface = stream ? SDL_LoadBMP_RW(stream, 1) : nullptr;
    if (!surface) return {};
    PreviewPaint picture;
    if (surface->format && isBlueGreenRed(*surface->format) && surface->pixels &&
        SDL_LockSurface(surface) == 0) {
        const size_t pitch = surface->pitch;
        const size_t size = pitch * static_cast<size_t>(std::max(surface->h, 0));
        picture = pictureFromRows(static_cast<const uint8_t*>(surface->pixels), size, surface->w, surface->h, pitch);
        SDL_UnlockSurface(surface);
    }
    SDL_FreeSurface(surface);
    return picture;
}

}  // namespace

PreviewPaint previewPaintFromRows(const uint8_t* data, size_t size, int32_t width, int32_t height,
                                  size_t pitch, int32_t areaWidth, int32_t areaHeight) {
    const PreviewPaint picture = pictureFromRows(data, size, width, height, pitch);
    if (picture.pixels.empty()) return blackPreviewPaint(areaWidth, areaHeight);
    return clippedToArea(picture, areaWidth, areaHeight);
}

PreviewPaint previewPaintForArea(const std::string& picturePath, int32_t areaWidth,
                                 int32_t areaHeight) {
    if (areaWidth < previewPictureAreaWidth) return blackPreviewPaint(areaWidth, areaHeight);
    const PreviewPaint picture = loadPreviewPicture(picturePath);
    if (picture.pixels.empty()) return blackPreviewPaint(areaWidth, areaHeight);
    if (areaWidth == previewPictureAreaWidth) return clippedToArea(picture, areaWidth, areaHeight);
    return fitPreviewToArea(picture, areaWidth, areaHeight);
}

int runPreviewMode(uint32_t windowNumber) {
    if (windowNumber == 0) return 0;  // names no window
    int32_t areaWidth = 0, areaHeight = 0;
    platform::PreviewWindow* window = platform::openPreviewWindow(windowNumber, areaWidth, areaHeight);
    if (!window) return 0;
    const PreviewPaint paint =
        previewPaintForArea(showDataDirectory() + "preview.ppk", areaWidth, areaHeight);
    platform::runPreviewWindow(window, paint.pixels.data(), paint.width, paint.height);
    platform::closePreviewWindow(window);
    return 0;
}
