#include "video/texture_object.h"

#include <GL/gl.h>

bool textureSizeSupported(int32_t width, int32_t height) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    return width >= 1 && height >= 1 && width <= maxSize && height <= maxSize;
}

uint32_t createTexture(int32_t width, int32_t height, const uint8_t* pixels, int32_t pitch) {
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    // Padded rows are read in place; the unpack state is put back right after.
    const bool padded = pitch != 0 && pitch != width * 4;
    GLint rowLength = 0;
    if (padded) {
        glGetIntegerv(GL_UNPACK_ROW_LENGTH, &rowLength);
        glPixelStorei(GL_UNPACK_ROW_LENGTH, pitch / 4);
    }
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    if (padded) glPixelStorei(GL_UNPACK_ROW_LENGTH, rowLength);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return name;
}

void replaceTextureImage(uint32_t texture, int32_t width, int32_t height, const uint8_t* pixels) {
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
}

void deleteTexture(uint32_t texture) {
    if (texture == 0) return;
    const GLuint name = texture;
    glDeleteTextures(1, &name);
}
