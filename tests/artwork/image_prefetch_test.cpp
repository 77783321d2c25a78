// Images decoded on a second thread while the display starts: the real
// packages' images come out as the main thread would decode them, each is
// handed out once, and textures made from them are the same.
#include "package/image_prefetch.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstring>

#include "app/show_packages.h"
#include "common/png_writer.h"
#include "package/package_writer.h"
#include "package/texture_cache.h"
#include "real_packages.h"
#include "support/offscreen_context.h"
#include "common/temp_dir.h"

namespace {

const std::vector<std::string> names(showPackages.begin(), showPackages.end());

std::vector<std::string> realPaths() {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(saverDir() + name);
    return paths;
}

TEST(ImagePrefetch, EveryImageOfTheRealPackagesIsHandedOutOnceAsDecoded) {
    ImagePrefetch prefetch;
    prefetch.start(realPaths(), names);
    size_t images = 0;
    for (const std::string& name : names) {
        const RealPackage package = loadPackage(name);
        for (const PackageEntryView& entry : package.entries) images += looksLikePng(entry.data, entry.size) ? 1 : 0;
    }
    ASSERT_EQ(prefetch.waiting(), images);

    const RealPackage main = loadPackage("main.pak");
    for (const char* entry : {"fon_tex", "serdechko_tex"}) {
        PlainPng image;
        ASSERT_TRUE(prefetch.take("main.pak", entry, image)) << entry;
        RgbaImage expected;
        const PackageEntryView* view = main.find(entry);
        ASSERT_TRUE(decodeRgbaImage(view->data, static_cast<size_t>(view->size), expected));
        ASSERT_EQ(image.width, expected.width);
        ASSERT_EQ(image.height, expected.height);
        for (int32_t y = 0; y < image.height; ++y) {
            ASSERT_EQ(std::memcmp(&image.rgba[static_cast<size_t>(y) * image.width * 4],
                                  expected.pixels + y * expected.pitch, static_cast<size_t>(image.width) * 4),
                      0)
                << entry << " row " << y;
        }
        EXPECT_FALSE(prefetch.take("main.pak", entry, image)) << "handed out once";
    }
    PlainPng image;
    EXPECT_FALSE(prefetch.take("main.pak", "serdce", image)) << "a model";
    EXPECT_FALSE(prefetch.take("clock.pak", "fon_tex", image)) << "another package's entry";
    EXPECT_EQ(prefetch.waiting(), images - 2);
    prefetch.finish();
    EXPECT_EQ(prefetch.waiting(), 0u);
    EXPECT_FALSE(prefetch.take("main.pak", "nn", image));
}

TEST(ImagePrefetch, TakesTheFirstEntryOfANameAndPassesOverBadFiles) {
    TempDir dir;
    const std::vector<uint8_t> red = encodePng(1, 1, {255, 0, 0, 255});
    const std::vector<uint8_t> green = encodePng(1, 1, {0, 255, 0, 255});
    const std::vector<uint8_t> notImage = {'B', 'M', 1, 2, 3};
    auto write = [&](const std::string& name, const std::vector<PackageEntry>& entries) {
        const std::vector<uint8_t> bytes = writePackage(entries);
        dir.write(name, std::string(bytes.begin(), bytes.end()));
    };
    write("a.pak", {{"x", red}, {"x", green}, {"y", notImage}, {"y", red}, {"z", green}});
    dir.write("damaged.pak", "\x05\x00\x00\x00garbage");
    ImagePrefetch prefetch;
    prefetch.start({dir.path() + "/missing.pak", dir.path() + "/damaged.pak", dir.path() + "/a.pak"},
                   {"missing.pak", "damaged.pak", "a.pak"});
    PlainPng image;
    ASSERT_TRUE(prefetch.take("a.pak", "x", image));
    EXPECT_EQ(image.rgba, (std::vector<uint8_t>{255, 0, 0, 255})) << "the first x";
    EXPECT_FALSE(prefetch.take("a.pak", "y", image)) << "the first y is no PNG; the main thread decides";
    EXPECT_FALSE(prefetch.take("b.pak", "x", image)) << "a package not asked for";
    EXPECT_EQ(prefetch.waiting(), 1u) << "z alone";
    prefetch.finish();

    // Started again after finishing, it prefetches anew.
    prefetch.start({dir.path() + "/a.pak"}, {"a.pak"});
    EXPECT_TRUE(prefetch.take("a.pak", "x", image));
}

TEST(ImagePrefetch, TexturesFromPrefetchedImagesMatchTheUsualOnes) {
    OffscreenContext context{16, 16};
    ASSERT_TRUE(context.valid());
    auto textureOf = [](TextureCache& cache, const char* entry) {
        const uint32_t texture = cache.acquireTexture("main.pak", entry);
        GLint width = 0, height = 0;
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        cache.releaseTexture("main.pak", texture);
        return pixels;
    };
    TextureCache usual, prefetched;
    usual.setBasePath(saverDir());
    prefetched.setBasePath(saverDir());
    prefetched.prefetchImages(names);
    for (const char* entry : {"serdce_tex", "serdechko_tex"}) {
        const std::vector<uint8_t> expected = textureOf(usual, entry);
        ASSERT_FALSE(expected.empty());
        const size_t before = prefetched.prefetchedImagesWaiting();
        EXPECT_EQ(textureOf(prefetched, entry), expected) << entry;
        EXPECT_EQ(prefetched.prefetchedImagesWaiting(), before - 1) << entry << " came from the prefetch";
    }
    prefetched.finishPrefetch();
    EXPECT_EQ(prefetched.prefetchedImagesWaiting(), 0u);
}

}  // namespace
