#include "icon_writer.h"

std::vector<uint8_t> encodeIco(const std::vector<IconImage>& images) {
    std::vector<uint8_t> out;
    auto put8 = [&](uint32_t v) { out.push_back(static_cast<uint8_t>(v)); };
    auto put16 = [&](uint32_t v) { put8(v & 0xFF); put8(v >> 8); };
    auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    put16(0);  // reserved
    put16(1);  // an icon, not a cursor
    put16(static_cast<uint32_t>(images.size()));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (const IconImage& image : images) {
        put8(image.size >= 256 ? 0 : image.size);  // 0 stands for 256
        put8(image.size >= 256 ? 0 : image.size);
        put8(0);   // no palette
        put8(0);   // reserved
        put16(1);  // planes
        put16(32); // bits per pixel
        put32(static_cast<uint32_t>(image.png.size()));
        put32(offset);
        offset += static_cast<uint32_t>(image.png.size());
    }
    for (const IconImage& image : images) out.insert(out.end(), image.png.begin(), image.png.end());
    return out;
}
