// GL texture objects, made the one way the program makes them: package
// images (TextureCache) and generated textures (procedural) alike.
//
// Settings: GL_TEXTURE_2D, level 0 only, internal format and pixel format
// GL_RGBA, GL_UNSIGNED_BYTE, border 0, environment mode GL_MODULATE, both
// filters GL_LINEAR; wrap modes stay at the GL defaults; no mipmaps, no
// resizing. Pixels are 4 bytes each (red, green, blue, alpha), row 0 first,
// which lands at texture coordinate t = 0.
//
// All of these need a current GL context.
#pragma once

#include <cstdint>

// True when the current GL takes a texture of this size (1 up to
// GL_MAX_TEXTURE_SIZE on each side).
bool textureSizeSupported(int32_t width, int32_t height);

// Generates a texture name, binds it (it stays bound) and defines its image
// from `pixels`. `pitch` is the distance between rows in bytes, a multiple of
// 4; 0 means rows are packed (width x 4). Returns the texture name.
uint32_t createTexture(int32_t width, int32_t height, const uint8_t* pixels, int32_t pitch = 0);

// Binds `texture` and replaces its whole level-0 image (packed rows); the
// storage is not re-created.
void replaceTextureImage(uint32_t texture, int32_t width, int32_t height, const uint8_t* pixels);

// Deletes one texture name; 0 is ignored.
void deleteTexture(uint32_t texture);
