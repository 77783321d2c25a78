// The preview mode ("/p" and a window number): a child window filling the
// host's preview area shows the still picture "preview.ppk" of the install
// directory. An area exactly 152 pixels wide, the width the picture is made
// for, shows it pixel for pixel from its top-left corner. A wider area (the
// Screen Saver dialog's on a scaled screen: about 190 pixels at 125 %, 228 at
// 150 %) shows it scaled smoothly to fit, centred, with black around it. A
// narrower area is black all over. The mode ends with exit code 0 when the
// host destroys the area.
//
// The picture is a 24-bit bitmap file read with SDL (SDL video is never
// started here). A missing, unreadable or differently formatted picture
// paints black, like an area of another width.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The preview area width the picture is made for, in pixels.
constexpr int32_t previewPictureAreaWidth = 152;

// What goes into the area: a rectangle placed at its top-left corner. Parts
// of the area outside it keep the window background.
struct PreviewPaint {
    int32_t width = 0;             // pixels, at most the area's width
    int32_t height = 0;            // pixels, at most the area's height
    std::vector<uint32_t> pixels;  // 0xRRGGBB, width x height, rows top first
};

// The whole area black.
PreviewPaint blackPreviewPaint(int32_t areaWidth, int32_t areaHeight);

// The picture held as rows of B,G,R bytes (top row first, rows `pitch` bytes
// apart) in `size` bytes, clipped to the area. When the rows do not fit in
// `size`, pitch is less than 3 x width or a dimension is not positive, the
// picture is unusable and the whole area is black. Reads nothing outside
// data[0, size).
PreviewPaint previewPaintFromRows(const uint8_t* data, size_t size, int32_t width, int32_t height,
                                  size_t pitch, int32_t areaWidth, int32_t areaHeight);

// The paint for an area measured at start, when the file at `picturePath`
// loads as a 24-bit B,G,R bitmap: the picture clipped to an area
// previewPictureAreaWidth wide, fitted to a wider one (the whole area);
// black over the whole area when the area is narrower or the file unusable.
PreviewPaint previewPaintForArea(const std::string& picturePath, int32_t areaWidth,
                                 int32_t areaHeight);

// Runs the mode on the parent window `windowNumber` (an X window id on X11,
// a window handle on Windows). Returns the exit code: always 0, also when the
// number names no window or the child window cannot be made.
int runPreviewMode(uint32_t windowNumber);
