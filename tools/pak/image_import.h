// Image import (`pak import`): an image file, or a texture of an imported
// model, decoded to packed RGBA and, when a side is not a power of two (or is
// above maxImportedTextureSide), resampled to the nearest power of two
// (common/rgba_image.h), as the show's textures must be.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "common/rgba_image.h"

// The picture's sides are powers of two.
struct ImportedImage : Picture {
    std::string entryName;
    std::string source;                    // the file, or the model file's name for it
    int32_t sourceWidth = 0, sourceHeight = 0;
};

constexpr int32_t maxImportedTextureSide = 2048;

// Decodes an image file's bytes into `image`'s size and pixels, resized to
// powers of two. False when they are not an image SDL_image decodes.
bool importImage(const uint8_t* data, size_t size, ImportedImage& image);

// Sets `image`'s size and pixels from packed RGBA of width x height, resized
// to powers of two where needed.
void setImportedPixels(ImportedImage& image, std::vector<uint8_t> rgba, int32_t width, int32_t height);

// True when some pixel of packed RGBA has alpha below 255.
bool hasSeeThroughPixels(const std::vector<uint8_t>& rgba);
