// Windows bitmap files of 8-bit RGBA images: the preview picture of the
// Screen Saver dialog and the installer's pictures.
#pragma once

#include <cstdint>
#include <vector>

// The order of the rows in the file and the byte they are padded with. Windows
// writes bottom-up rows padded with zeros; tests also make the other kinds.
struct BmpLayout {
    bool topDown = false;  // a negative height in the header
    uint8_t padding = 0;
};

// A 24-bit bitmap file: rows padded to 4 bytes, no colour table, 72 dpi.
// `rgba` holds width x height x 4 bytes, row 0 (the top) first; the alpha
// channel is dropped. Throws std::runtime_error when it holds another number
// of bytes.
std::vector<uint8_t> encodeBmp24(int width, int height, const std::vector<uint8_t>& rgba,
                                 BmpLayout layout = {});
