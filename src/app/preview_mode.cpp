#include "app/preview_mode.h"

#include <SDL/SDL.h>

#include <algorithm>
#include <limits>

#include "app/install_directory.h"
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

PreviewPaint previewPaintFromRows(const uint8_t* data, size_t size, int32_t width, int32_t height,
                                  size_t pitch, int32_t areaWidth, int32_t areaHeight) {
    if (!data || width <= 0 || height <= 0) return blackPreviewPaint(areaWidth, areaHeight);
    const size_t rowBytes = static_cast<size_t>(width) * bytesPerPixel;
    if (!rowsFit(size, rowBytes, pitch, static_cast<size_t>(height))) {
        return blackPreviewPaint(areaWidth, areaHeight);
    }

    PreviewPaint paint;
    if (areaWidth <= 0 || areaHeight <= 0) return paint;
    paint.width = std::min(width, areaWidth);
    paint.height = std::min(height, areaHeight);
    paint.pixels.resize(static_cast<size_t>(paint.width) * static_cast<size_t>(paint.height));
    uint32_t* out = paint.pixels.data();
    const size_t shownBytes = static_cast<size_t>(paint.width) * bytesPerPixel;
    for (int32_t y = 0; y < paint.height; ++y) {
        const size_t start = pitch * static_cast<size_t>(y);
        ByteCursor row(data + start, size - start);
        const uint8_t* bytes;
        if (!row.take(shownBytes, bytes)) return blackPreviewPaint(areaWidth, areaHeight);
        for (size_t o = 0; o < shownBytes; o += bytesPerPixel) {
            *out++ = uint32_t(bytes[o + 2]) << 16 | uint32_t(bytes[o + 1]) << 8 | bytes[o];
        }
    }
    return paint;
}

PreviewPaint previewPaintForArea(const std::string& picturePath, int32_t areaWidth,
                                 int32_t areaHeight) {
    if (areaWidth != previewPictureAreaWidth) return blackPreviewPaint(areaWidth, areaHeight);
    SDL_RWops* stream = SDL_RWFromFile(picturePath.c_str(), "rb");
    SDL_Surface* surface = stream ? SDL_LoadBMP_RW(stream, 1) : nullptr;
    if (!surface) return blackPreviewPaint(areaWidth, areaHeight);

    PreviewPaint paint;
    if (surface->format && isBlueGreenRed(*surface->format) && surface->pixels &&
        SDL_LockSurface(surface) == 0) {
        const size_t pitch = surface->pitch;
        const size_t size = pitch * static_cast<size_t>(std::max(surface->h, 0));
        paint = previewPaintFromRows(static_cast<const uint8_t*>(surface->pixels), size, surface->w,
                                     surface->h, pitch, areaWidth, areaHeight);
        SDL_UnlockSurface(surface);
    } else {
        paint = blackPreviewPaint(areaWidth, areaHeight);
    }
    SDL_FreeSurface(surface);
    return paint;
}

int runPreviewMode(uint32_t windowNumber) {
    if (windowNumber == 0) return 0;  // names no window
    int32_t areaWidth = 0, areaHeight = 0;
    platform::PreviewWindow* window = platform::openPreviewWindow(windowNumber, areaWidth, areaHeight);
    if (!window) return 0;
    const PreviewPaint paint =
        previewPaintForArea(installDirectory.pathOf("preview.ppk"), areaWidth, areaHeight);
    platform::runPreviewWindow(window, paint.pixels.data(), paint.width, paint.height);
    platform::closePreviewWindow(window);
    return 0;
}
