// The preview bitmap the snapshot tool writes.
#pragma once

#include "common/rgba_image.h"
#include <vector>

// A Windows bitmap file: 24 bits per pixel, bottom-up rows padded to 4
// bytes (none at 152 pixels: 456 bytes a row), no colour table.
std::vector<uint8_t> encodeBmp24(const Picture& picture);
