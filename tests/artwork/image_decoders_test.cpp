// The two image decoders agree: SDL_image (this build's) and libpng (the
// Windows build's) give the same pixels for every image of the real
// packages; damaged PNGs give null from libpng, never a crash.
#include <SDL/SDL.h>

#include <png.h>

#include <cstring>

#include "app/show_packages.h"
#include "common/png_writer.h"
#include "package/png_decode.h"
#include "real_packages.h"

namespace {

bool samePixels(const RgbaImage& a, const RgbaImage& b) {
    if (a.width != b.width || a.height != b.height) return false;
    for (int32_t y = 0; y < a.height; ++y) {
        if (std::memcmp(a.pixels + y * a.pitch, b.pixels + y * b.pitch, static_cast<size_t>(a.width) * 4) != 0) {
            return false;
        }
    }
    return true;
}

TEST(ImageDecoders, LibpngAndSdlImageAgreeOnEveryImageOfTheRealPackages) {
    int images = 0;
    for (const char* name : showPackages) {
        const RealPackage package = loadPackage(name);
        ASSERT_TRUE(package.error.empty()) << package.error;
        for (const PackageEntryView& entry : package.entries) {
            if (!looksLikePng(entry.data, static_cast<size_t>(entry.size))) continue;
            RgbaImage bySdlImage, byLibpng;
            ASSERT_TRUE(decodeRgbaImage(entry.data, static_cast<size_t>(entry.size), bySdlImage)) << entry.name;
            ASSERT_TRUE(rgbaImageFromSurface(
                SurfacePtr(decodePngSurface(entry.data, static_cast<size_t>(entry.size))), byLibpng))
                << name << " " << entry.name;
            EXPECT_TRUE(samePixels(bySdlImage, byLibpng)) << name << " " << entry.name;
            // Our tools write plain PNGs: the SDL-free decoder takes them all.
            PlainPng plain;
            ASSERT_TRUE(decodePlainPng(entry.data, static_cast<size_t>(entry.size), plain)) << entry.name;
            ASSERT_EQ(plain.width, bySdlImage.width);
            ASSERT_EQ(plain.height, bySdlImage.height);
            for (int32_t y = 0; y < plain.height; ++y) {
                EXPECT_EQ(std::memcmp(&plain.rgba[static_cast<size_t>(y) * plain.width * 4],
                                      bySdlImage.pixels + y * bySdlImage.pitch, static_cast<size_t>(plain.width) * 4),
                          0)
                    << name << " " << entry.name << " row " << y;
            }
            ++images;
        }
    }
    EXPECT_GT(images, 60);
}

TEST(ImageDecoders, LibpngTurnsEveryDamagedPngIntoNull) {
    std::vector<uint8_t> rgba(5 * 3 * 4);
    for (size_t i = 0; i < rgba.size(); ++i) rgba[i] = static_cast<uint8_t>(i * 7);
    const std::vector<uint8_t> png = encodePng(5, 3, rgba);

    SurfacePtr whole(decodePngSurface(png.data(), png.size()));
    ASSERT_TRUE(whole);
    RgbaImage image;
    ASSERT_TRUE(rgbaImageFromSurface(std::move(whole), image));
    EXPECT_EQ(std::memcmp(image.pixels, rgba.data(), 5 * 4), 0);

    // Every shorter prefix (the reads are bounds-checked; the sanitizer build
    // would see one that is not).
    for (size_t size = 0; size + 1 < png.size(); ++size) {
        const std::vector<uint8_t> cut(png.begin(), png.begin() + static_cast<std::ptrdiff_t>(size));
        SDL_Surface* surface = decodePngSurface(cut.data(), cut.size());
        EXPECT_EQ(surface, nullptr) << size << " bytes";
        SDL_FreeSurface(surface);
    }
    // A flipped bit in the image data fails its checksum.
    std::vector<uint8_t> flipped = png;
    flipped[flipped.size() - 20] ^= 0x10;
    EXPECT_EQ(decodePngSurface(flipped.data(), flipped.size()), nullptr);

    // A header claiming more than the largest side allowed (the width field
    // sits at byte 16; its checksum is not fixed, so libpng refuses it on
    // either count, before allocating).
    std::vector<uint8_t> wide = png;
    const uint32_t width = maxPngSide + 1;
    wide[16] = width >> 24, wide[17] = width >> 16 & 255, wide[18] = width >> 8 & 255, wide[19] = width & 255;
    EXPECT_EQ(decodePngSurface(wide.data(), wide.size()), nullptr);
    EXPECT_EQ(decodePngSurface(nullptr, 0), nullptr);

    PlainPng plain;
    for (const std::vector<uint8_t>* bad : {&flipped, &wide}) {
        EXPECT_FALSE(decodePlainPng(bad->data(), bad->size(), plain));
        EXPECT_TRUE(plain.rgba.empty());
    }
    for (size_t size = 0; size + 1 < png.size(); size += 5) EXPECT_FALSE(decodePlainPng(png.data(), size, plain));
}

// A 2 x 1 PNG of another colour type, bit depth or with a tRNS chunk.
std::vector<uint8_t> otherPng(int colourType, int bitDepth, bool transparency) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &out,
        [](png_structp p, png_bytep data, png_size_t size) {
            auto* bytes = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(p));
            bytes->insert(bytes->end(), data, data + size);
        },
        nullptr);
    png_set_IHDR(png, info, 2, 1, bitDepth, colourType, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_color palette[2] = {{255, 0, 0}, {0, 0, 255}};
    if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette, 2);
    png_byte alpha[2] = {128, 255};
    png_color_16 key{};
    if (transparency) png_set_tRNS(png, info, alpha, colourType == PNG_COLOR_TYPE_PALETTE ? 2 : 0, &key);
    png_write_info(png, info);
    // Palette indices stay within the two entries: newer libpng refuses others.
    std::vector<png_byte> row(16, colourType == PNG_COLOR_TYPE_PALETTE ? 0 : 0x41);
    row[0] = 1;
    png_write_row(png, row.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return out;
}

TEST(ImageDecoders, ThePlainDecoderLeavesOtherPngsToTheFullDecoders) {
    PlainPng plain;
    const std::vector<uint8_t> rgb = otherPng(PNG_COLOR_TYPE_RGB, 8, false);
    ASSERT_TRUE(decodePlainPng(rgb.data(), rgb.size(), plain));
    EXPECT_EQ(plain.rgba, (std::vector<uint8_t>{1, 0x41, 0x41, 255, 0x41, 0x41, 0x41, 255})) << "opaque RGB";
    struct Kind {
        int colourType, bitDepth;
        bool transparency;
        const char* what;
    };
    for (const Kind& kind : {Kind{PNG_COLOR_TYPE_PALETTE, 8, false, "palette"},
                             Kind{PNG_COLOR_TYPE_PALETTE, 8, true, "palette with alpha"},
                             Kind{PNG_COLOR_TYPE_GRAY, 8, false, "grey"},
                             Kind{PNG_COLOR_TYPE_RGB, 16, false, "16-bit"},
                             Kind{PNG_COLOR_TYPE_RGB, 8, true, "colour key"}}) {
        const std::vector<uint8_t> png = otherPng(kind.colourType, kind.bitDepth, kind.transparency);
        EXPECT_FALSE(decodePlainPng(png.data(), png.size(), plain)) << kind.what;
        SurfacePtr full(decodePngSurface(png.data(), png.size()));
        EXPECT_TRUE(full) << kind.what << " still decodes the full way";
    }
}

}  // namespace
