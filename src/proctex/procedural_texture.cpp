#include "proctex/procedural_texture.h"

#include <cstddef>

#include "video/texture_object.h"

ProceduralTexture::ProceduralTexture(ProceduralGenerator generator, ProceduralDeleter deleter,
                                     void* userData, int32_t width, int32_t height)
    : generator(generator),
      userData(userData),
      deleter(deleter),
      width(width),
      height(height),
      pixelByteCount(width * height * 4) {
    // Zeroed rather than left as found: the first frame shows a defined image
    // even before the first update.
    pixels.reset(new uint8_t[static_cast<size_t>(pixelByteCount)]());
    texture = createTexture(width, height, pixels.get());
}

ProceduralTexture::~ProceduralTexture() {
    pixels.reset();
    if (deleter) deleter(userData);
}

void ProceduralTexture::update(int32_t ticks) {
    generator(ticks, width, height, pixels.get(), userData);
    replaceTextureImage(texture, width, height, pixels.get());
}
