#include "common/icon_writer.h"

#include "package/byte_writer.h"

std::vector<uint8_t> encodeIco(const std::vector<IconImage>& images) {
    std::vector<uint8_t> out;
    ByteWriter writer(out);
    writer.putU16(0);  // reserved
    writer.putU16(1);  // an icon, not a cursor
    writer.putU16(static_cast<uint16_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (const IconImage& image : images) {
        const uint8_t side = image.size >= 256 ? 0 : static_cast<uint8_t>(image.size);  // 0 stands for 256
        writer.putU8(side);
        writer.putU8(side);
        writer.putU8(0);    // no palette
        writer.putU8(0);    // reserved
        writer.putU16(1);   // planes
        writer.putU16(32);  // bits per pixel
        writer.putU32(static_cast<uint32_t>(image.png.size()));
        writer.putU32(offset);
        offset += static_cast<uint32_t>(image.png.size());
    }
    for (const IconImage& image : images) writer.putBytes(image.png);
    return out;
}
