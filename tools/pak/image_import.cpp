#include "image_import.h"

#include <algorithm>

#include "common/rgba_image.h"
#include "package/image_decode.h"

namespace {

// The decoded image's pixels with packed rows.
std::vector<uint8_t> packedRows(const RgbaImage& decoded) {
    const size_t rowBytes = static_cast<size_t>(decoded.width) * 4;
    std::vector<uint8_t> rgba(rowBytes * static_cast<size_t>(decoded.height));
    for (int32_t y = 0; y < decoded.height; ++y) {
        std::copy_n(decoded.pixels + static_cast<size_t>(y) * decoded.pitch, rowBytes, rgba.begin() + y * rowBytes);
    }
    return rgba;
}

bool isPowerOfTwo(int32_t n) {
    return n > 0 && (n & (n - 1)) == 0;
}

}  // namespace

void setImportedPixels(ImportedImage& image, std::vector<uint8_t> rgba, int32_t width, int32_t height) {
    image.sourceWidth = width;
    image.sourceHeight = height;
    image.width = width;
    image.height = height;
    if (!isPowerOfTwo(width) || !isPowerOfTwo(height) || width > maxImportedTextureSide ||
        height > maxImportedTextureSide) {
        image.width = nearestPowerOfTwo(width, maxImportedTextureSide);
        image.height = nearestPowerOfTwo(height, maxImportedTextureSide);
        rgba = resizeRgba(rgba.data(), width, height, width * 4, image.width, image.height);
    }
    image.rgba = std::move(rgba);
}

bool importImage(const uint8_t* data, size_t size, ImportedImage& image) {
    RgbaImage decoded;
    if (!decodeRgbaImage(data, size, decoded)) return false;
    setImportedPixels(image, packedRows(decoded), decoded.width, decoded.height);
    return true;
}

bool hasSeeThroughPixels(const std::vector<uint8_t>& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4) {
        if (rgba[i] < 255) return true;
    }
    return false;
}
