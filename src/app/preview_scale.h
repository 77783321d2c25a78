// The preview picture fitted to a preview area larger than the one it was
// made for: on a scaled screen (125 %, 150 %) the Screen Saver dialog's
// preview area grows with the scale, and the picture grows with it.
#pragma once

#include <cstdint>

#include "app/preview_mode.h"

// `picture` scaled smoothly (bilinear, sampled at pixel centres) to the
// largest size that fits `areaWidth` x `areaHeight` pixels with its aspect
// kept, centred, the rest of the area black. The result covers the whole area.
// An empty picture gives a black area; a non-positive area gives no pixels.
PreviewPaint fitPreviewToArea(const PreviewPaint& picture, int32_t areaWidth, int32_t areaHeight);
