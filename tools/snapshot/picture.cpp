#include "picture.h"

#include "common/bmp_writer.h"

std::vector<uint8_t> encodeBmp24(const Picture& picture) {
    return encodeBmp24(picture.width, picture.height, picture.rgba);
}
