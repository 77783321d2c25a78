#include "common/bmp_writer.h"

#include <cstddef>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include "package/byte_writer.h"

std::vector<uint8_t> encodeBmp24(int width, int height, const std::vector<uint8_t>& rgba, BmpLayout layout) {
    if (width <= 0 || height <= 0 || rgba.size() != static_cast<size_t>(width) * height * 4) {
        throw std::runtime_error("encodeBmp24: the pixels do not match the size");
    }
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = rowBytes * static_cast<uint32_t>(height);
    std::vector<uint8_t> out;
    out.reserve(54 + pixelBytes);
    ByteWriter writer(out);
    writer.putBytes(std::string("BM"));
    writer.putU32(54 + pixelBytes);  // file size
    writer.putU32(0);                // reserved
    writer.putU32(54);               // offset of the pixels
    writer.putU32(40);               // BITMAPINFOHEADER
    writer.putI32(width);
    writer.putI32(layout.topDown ? -height : height);
    writer.putU16(1);                // planes
    writer.putU16(24);               // bits per pixel
    writer.putU32(0);                // no compression
    writer.putU32(pixelBytes);
    writer.putU32(2835);             // 72 dpi
    writer.putU32(2835);
    writer.putU32(0);
    writer.putU32(0);
    for (int row = 0; row < height; ++row) {
        const int y = layout.topDown ? row : height - 1 - row;
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            for (int channel : {2, 1, 0}) writer.putU8(p[channel]);
        }
        for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < rowBytes; ++pad) writer.putU8(layout.padding);
    }
    return out;
}
