#include "app/preview_mode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/preview_scale.h"
#include "common/bmp_writer.h"
#include "common/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

void put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
void put32(Bytes& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

// The colour the test pictures hold at (x, y), as 0xRRGGBB.
uint32_t patternAt(int x, int y) {
    if (x == 0 && y == 0) return 0x302010;  // stored as the bytes 10 20 30
    return uint32_t((x * 7) & 0xFF) << 16 | uint32_t((y * 13) & 0xFF) << 8 | uint32_t((x + y) & 0xFF);
}

// A smooth picture: red grows to the right, green downwards, blue is flat.
uint32_t gradientAt(int x, int y) {
    return uint32_t(x * 255 / 151) << 16 | uint32_t(y * 255 / 111) << 8 | 0x40;
}

// A 24-bit bitmap file of the colours 0xRRGGBB, bottom-up rows unless
// `topDown`, padded with 0xEE so that reading rows at the wrong distance shows.
Bytes bitmapFile(int width, int height, bool topDown = false, uint32_t (*colourAt)(int, int) = patternAt) {
    Bytes rgba;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colourAt(x, y);
            rgba.insert(rgba.end(), {uint8_t(c >> 16), uint8_t(c >> 8), uint8_t(c), 0xFF});
        }
    }
    return encodeBmp24(width, height, rgba, {topDown, 0xEE});
}

// A bitmap of a depth the bitmap writer does not make (and the preview does
// not take): 32 bits (the pattern plus a fourth byte) or 8 (a grey palette).
Bytes otherDepthBitmap(int width, int height, int bpp) {
    const uint32_t paletteBytes = bpp == 8 ? 256 * 4 : 0;
    const uint32_t rowBytes = (static_cast<uint32_t>(width) * bpp / 8 + 3) & ~3u;
    const uint32_t dataOffset = 14 + 40 + paletteBytes;
    Bytes out = {'B', 'M'};
    for (uint32_t v : {dataOffset + rowBytes * height, 0u, dataOffset, 40u, uint32_t(width), uint32_t(height)}) put32(out, v);
    put16(out, 1);
    put16(out, static_cast<uint32_t>(bpp));
    for (uint32_t v : {0u, rowBytes * height, 2835u, 2835u, bpp == 8 ? 256u : 0u, 0u}) put32(out, v);
    for (uint32_t i = 0; i < paletteBytes / 4; ++i) out.insert(out.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    for (int row = 0; row < height; ++row) {
        for (int x = 0; x < width; ++x) {
            const uint32_t c = patternAt(x, height - 1 - row);
            if (bpp == 8) out.push_back(uint8_t(c));
            else out.insert(out.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0xFF});
        }
        out.resize(out.size() + rowBytes - static_cast<uint32_t>(width) * bpp / 8, 0xEE);
    }
    return out;
}

std::string text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

void expectBlack(const PreviewPaint& paint, int32_t width, int32_t height) {
    ASSERT_EQ(paint.width, width);
    ASSERT_EQ(paint.height, height);
    ASSERT_EQ(paint.pixels.size(), static_cast<size_t>(width) * static_cast<size_t>(height));
    for (uint32_t pixel : paint.pixels) ASSERT_EQ(pixel, 0u);
}

void expectPattern(const PreviewPaint& paint, int32_t width, int32_t height) {
    ASSERT_EQ(paint.width, width);
    ASSERT_EQ(paint.height, height);
    ASSERT_EQ(paint.pixels.size(), static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(paint.pixels[static_cast<size_t>(y * width + x)], patternAt(x, y))
                << "at " << x << ',' << y;
        }
    }
}

TEST(PreviewMode, PictureIsShownPixelForPixelFromTheTopLeft) {
    TempDir dir;
    const std::string path = dir.write("preview.ppk", text(bitmapFile(152, 40)));
    const PreviewPaint paint = previewPaintForArea(path, 152, 112);
    expectPattern(paint, 152, 40);  // rows 40..111 keep the background
    EXPECT_EQ(paint.pixels[0], 0x302010u);  // blue 0x10, green 0x20, red 0x30 in the file

    const std::string topDown = dir.write("top-down.ppk", text(bitmapFile(152, 40, true)));
    expectPattern(previewPaintForArea(topDown, 152, 112), 152, 40);
}

TEST(PreviewMode, PictureLargerThanTheAreaIsClipped) {
    TempDir dir;
    const std::string path = dir.write("preview.ppk", text(bitmapFile(200, 300)));
    expectPattern(previewPaintForArea(path, 152, 100), 152, 100);
}

// Rows of a picture whose width is not a multiple of four pixels are padded;
// they are found at their real distance, never at three bytes per pixel.
TEST(PreviewMode, PaddedRowsAreReadAtTheirPitch) {
    TempDir dir;
    for (int width : {1, 5, 7, 150}) {
        const std::string path = dir.write("p.ppk", text(bitmapFile(width, 9)));
        SCOPED_TRACE(width);
        expectPattern(previewPaintForArea(path, 152, 20), width, 9);
    }
}

// Narrower than the picture's 152 pixels: black. Exactly 152: pixel for
// pixel. Wider (a scaled screen's dialog): the picture scaled smoothly to fit,
// centred, black around it.
TEST(PreviewMode, AreaWidthPicksBlackPixelForPixelOrScaled) {
    TempDir dir;
    const std::string path = dir.write("preview.ppk", text(bitmapFile(152, 112, false, gradientAt)));
    struct Case {
        int32_t areaWidth, areaHeight;
        int32_t left, top, width, height;  // where the picture lands; width 0: black
    } cases[] = {
        {1, 1, 0, 0, 0, 0},          {151, 112, 0, 0, 0, 0},       {152, 112, 0, 0, 152, 112},
        {190, 140, 0, 0, 190, 140},  {228, 168, 0, 0, 228, 168},   {304, 224, 0, 0, 304, 224},
        {304, 112, 76, 0, 152, 112}, {228, 400, 0, 116, 228, 168},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.areaWidth) + "x" + std::to_string(c.areaHeight));
        const PreviewPaint paint = previewPaintForArea(path, c.areaWidth, c.areaHeight);
        ASSERT_EQ(paint.width, c.areaWidth);
        ASSERT_EQ(paint.height, c.areaHeight);
        for (int32_t y = 0; y < c.areaHeight; ++y) {
            for (int32_t x = 0; x < c.areaWidth; ++x) {
                const uint32_t pixel = paint.pixels[static_cast<size_t>(y * c.areaWidth + x)];
                const bool inside = x >= c.left && x < c.left + c.width && y >= c.top && y < c.top + c.height;
                if (!inside) {
                    ASSERT_EQ(pixel, 0u) << "at " << x << ',' << y;
                    continue;
                }
                // The source point under this pixel's centre, and the colour there.
                const double u = std::clamp((x - c.left + 0.5) * 152 / c.width - 0.5, 0.0, 151.0);
                const double v = std::clamp((y - c.top + 0.5) * 112 / c.height - 0.5, 0.0, 111.0);
                ASSERT_NEAR(int(pixel >> 16), u * 255 / 151, 1.5) << "at " << x << ',' << y;
                ASSERT_NEAR(int(pixel >> 8 & 0xFF), v * 255 / 111, 1.5) << "at " << x << ',' << y;
                ASSERT_EQ(pixel & 0xFF, 0x40u) << "at " << x << ',' << y;
            }
        }
    }
    EXPECT_TRUE(previewPaintForArea(path, 0, 0).pixels.empty());
    EXPECT_TRUE(previewPaintForArea(path, 300, 0).pixels.empty());
}

// Scaled up, a hard edge becomes a smooth ramp from black to white in steps
// of at most 2, never blocks of pixels.
TEST(PreviewMode, ScaledPictureIsSmooth) {
    const PreviewPaint paint = fitPreviewToArea(PreviewPaint{2, 1, {0x000000, 0xFFFFFF}}, 304, 152);
    ASSERT_EQ(paint.pixels.size(), 304u * 152u);
    const uint32_t* row = &paint.pixels[75 * 304];
    EXPECT_EQ(row[0], 0u);
    EXPECT_EQ(row[303], 0xFFFFFFu);
    for (int x = 1; x < 304; ++x) ASSERT_LE((row[x] & 0xFF) - (row[x - 1] & 0xFF), 2u) << "at " << x;
}

TEST(PreviewMode, MissingOrNonTwentyFourBitPicturesAreBlack) {
    TempDir dir;
    expectBlack(previewPaintForArea(dir.path() + "/missing.ppk", 152, 30), 152, 30);
    expectBlack(previewPaintForArea(dir.path(), 152, 30), 152, 30);  // a folder
    expectBlack(previewPaintForArea(dir.write("8.ppk", text(otherDepthBitmap(152, 10, 8))), 152, 30), 152, 30);
    expectBlack(previewPaintForArea(dir.write("32.ppk", text(otherDepthBitmap(152, 10, 32))), 152, 30), 152, 30);
    expectBlack(previewPaintForArea(dir.write("text.ppk", "not a bitmap at all"), 152, 30), 152, 30);
    expectBlack(previewPaintForArea(dir.write("empty.ppk", ""), 152, 30), 152, 30);
}

// Cut anywhere, the file paints black and nothing beyond its bytes is read.
TEST(PreviewMode, TruncatedPicturesAreBlack) {
    TempDir dir;
    const Bytes full = bitmapFile(152, 6);
    for (size_t length = 0; length < full.size(); length += (length < 80 ? 1 : 97)) {
        const std::string path =
            dir.write("cut.ppk", std::string(full.begin(), full.begin() + static_cast<long>(length)));
        SCOPED_TRACE(length);
        expectBlack(previewPaintForArea(path, 152, 8), 152, 8);
    }
}

TEST(PreviewMode, HeadersClaimingMoreThanTheFileHoldsAreBlack) {
    TempDir dir;
    struct Patch {
        size_t offset;
        uint32_t value;
    } patches[] = {
        {18, 0x7FFFFFFF},  // width
        {22, 0x7FFFFFFF},  // height
        {18, 0x80000001},  // negative width
        {10, 0xFFFFFF00},  // pixel data far beyond the end
        {18, 30000},       // a row longer than a 16-bit pitch can hold
    };
    for (const Patch& patch : patches) {
        Bytes bytes = bitmapFile(152, 4);
        for (int i = 0; i < 4; ++i) bytes[patch.offset + i] = static_cast<uint8_t>(patch.value >> (8 * i));
        const std::string path = dir.write("bad.ppk", text(bytes));
        SCOPED_TRACE(patch.offset);
        expectBlack(previewPaintForArea(path, 152, 8), 152, 8);
    }
}

TEST(PreviewMode, RowsAreTakenOnlyFromInsideTheirBytes) {
    // Two rows of two pixels, pitch 8: the last row needs 6 bytes, not 8.
    const uint8_t rows[14] = {0x10, 0x20, 0x30, 1, 2, 3, 0xEE, 0xEE, 4, 5, 6, 7, 8, 9};
    const PreviewPaint paint = previewPaintFromRows(rows, sizeof rows, 2, 2, 8, 152, 10);
    ASSERT_EQ(paint.width, 2);
    ASSERT_EQ(paint.height, 2);
    EXPECT_EQ(paint.pixels, (std::vector<uint32_t>{0x302010, 0x030201, 0x060504, 0x090807}));

    expectBlack(previewPaintFromRows(rows, 13, 2, 2, 8, 152, 10), 152, 10);  // last row cut
    expectBlack(previewPaintFromRows(rows, sizeof rows, 3, 2, 8, 152, 10), 152, 10);  // pitch < row
    expectBlack(previewPaintFromRows(rows, sizeof rows, 2, 3, 8, 152, 10), 152, 10);  // one row too many
    expectBlack(previewPaintFromRows(rows, sizeof rows, 0, 2, 8, 152, 10), 152, 10);
    expectBlack(previewPaintFromRows(rows, sizeof rows, 2, -1, 8, 152, 10), 152, 10);
    expectBlack(previewPaintFromRows(nullptr, 0, 2, 2, 8, 152, 10), 152, 10);
    // A pitch whose product with the rows overflows.
    expectBlack(previewPaintFromRows(rows, sizeof rows, 2, 0x7FFFFFFF, SIZE_MAX / 2, 152, 10), 152, 10);
}

}  // namespace
