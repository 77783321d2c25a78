// The two image decoders agree: SDL_image (this build's) and libpng (the
// Windows build's) give the same pixels for every image of the real
// packages; damaged PNGs give null from libpng, never a crash.
#include <SDL/SDL.h>

#include <cstring>

#include "png_writer.h"
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
    for (const char* name : {"main.pak", "clock.pak", "calendar.pak", "utils.pak"}) {
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
}

}  // namespace
