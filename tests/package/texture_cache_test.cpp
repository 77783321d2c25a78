#include "package/texture_cache.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/package_writer.h"
#include "package/test_images.h"
#include "support/offscreen_context.h"
#include "common/temp_dir.h"

namespace {

std::string asText(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::vector<uint8_t> bytesOf(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

// A GL context, a temporary install directory as the base path, and a check
// that each test gives back every package use it took.
class TextureCacheTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(context.valid());
        base = dir.path() + "/";
        cache.setBasePath(base);
    }
    void TearDown() override { EXPECT_EQ(cache.openPackageCount(), 0u); }

    void writePackageFile(const std::string& name, const std::vector<PackageEntry>& entries) {
        dir.write(name, asText(writePackage(entries)));
    }

    // The level-0 image of `texture` as RGBA bytes.
    std::vector<uint8_t> textureImage(uint32_t texture, int32_t& width, int32_t& height) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 4));
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    OffscreenContext context{16, 16};
    TempDir dir;
    std::string base;
    TextureCache cache;
};

TEST_F(TextureCacheTest, ImageEntryBecomesATextureWithItsPixelsAndSettings) {
    const std::vector<uint8_t> rgba = {255, 0, 0, 255,   0, 255, 0, 128,  0, 0, 255, 0,
                                       10, 20, 30, 40,  50, 60, 70, 80,  90, 100, 110, 120};
    writePackageFile("main.pak", {{"fon", testimages::bmp32(3, 2, rgba)}});
    const uint32_t texture = cache.acquireTexture("main.pak", "fon");
    ASSERT_NE(texture, 0u);

    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<uint32_t>(bound), texture);  // the new texture stays bound
    GLint minFilter = 0, magFilter = 0, envMode = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &envMode);
    EXPECT_EQ(minFilter, GL_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);
    EXPECT_EQ(envMode, GL_MODULATE);

    int32_t width = 0, height = 0;
    EXPECT_EQ(textureImage(texture, width, height), rgba);  // first image row at t = 0
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 2);
    cache.releaseTexture("main.pak", texture);
}

TEST_F(TextureCacheTest, ImageWithoutAlphaIsConvertedOpaqueAndItsRowPaddingSkipped) {
    // 3 pixels of 3 bytes: rows of 9 bytes padded to 12 in the file and surface.
    const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19};
    writePackageFile("main.pak", {{"rgb", testimages::bmp24(3, 2, rgb)}});
    const uint32_t texture = cache.acquireTexture("main.pak", "rgb");
    ASSERT_NE(texture, 0u);
    int32_t width = 0, height = 0;
    const std::vector<uint8_t> pixels = textureImage(texture, width, height);
    ASSERT_EQ(width, 3);
    ASSERT_EQ(height, 2);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(pixels[i * 4 + 0], rgb[i * 3 + 0]) << i;
        EXPECT_EQ(pixels[i * 4 + 1], rgb[i * 3 + 1]) << i;
        EXPECT_EQ(pixels[i * 4 + 2], rgb[i * 3 + 2]) << i;
        EXPECT_EQ(pixels[i * 4 + 3], 255) << i;
    }
    cache.releaseTexture("main.pak", texture);
}

TEST_F(TextureCacheTest, TexturesAndBytesAreSharedAndCounted) {
    writePackageFile("main.pak", {{"serdce", bytesOf("model")},
                                  {"skin", testimages::solidBmp32(2, 2, 200, 0, 0, 255)}});
    // One model and its two textured sub-meshes, as model loading does it.
    const EntryBytes model = cache.acquireEntry("main.pak", "serdce");
    ASSERT_NE(model.data, nullptr);
    const uint32_t first = cache.acquireTexture("main.pak", "skin");
    const uint32_t second = cache.acquireTexture("main.pak", "skin");
    ASSERT_NE(first, 0u);
    EXPECT_EQ(first, second);
    EXPECT_EQ(cache.packageUses("main.pak"), 3);
    EXPECT_EQ(cache.openPackageCount(), 1u);
    PackageFile* package = cache.findPackage("main.pak");
    ASSERT_NE(package, nullptr);
    EXPECT_EQ(package->entryTextureUses(1), 2);

    cache.releaseTexture("main.pak", first);
    EXPECT_TRUE(glIsTexture(first));  // still used by the other sub-mesh
    EXPECT_EQ(cache.packageUses("main.pak"), 2);
    cache.releaseTexture("main.pak", second);
    EXPECT_FALSE(glIsTexture(first));
    EXPECT_EQ(package->entryTexture(1), 0u);
    EXPECT_EQ(cache.packageUses("main.pak"), 1);  // the model's bytes are still held
    cache.releasePackage("main.pak");
    EXPECT_EQ(cache.packageUses("main.pak"), 0);
}

TEST_F(TextureCacheTest, SameEntryNameInTwoPackagesGivesTwoTextures) {
    writePackageFile("clock.pak", {{"face", testimages::solidBmp32(1, 1, 1, 1, 1, 255)}});
    writePackageFile("calendar.pak", {{"face", testimages::solidBmp32(1, 1, 2, 2, 2, 255)}});
    const uint32_t clock = cache.acquireTexture("clock.pak", "face");
    const uint32_t calendar = cache.acquireTexture("calendar.pak", "face");
    EXPECT_NE(clock, 0u);
    EXPECT_NE(calendar, 0u);
    EXPECT_NE(clock, calendar);
    EXPECT_EQ(cache.openPackageCount(), 2u);
    cache.releaseTexture("clock.pak", clock);
    cache.releaseTexture("calendar.pak", calendar);
}

TEST_F(TextureCacheTest, PackageClosedAfterItsLastUseIsReadAnew) {
    writePackageFile("utils.pak", {{"digits", bytesOf("old")}});
    EntryBytes entry = cache.acquireEntry("utils.pak", "digits");
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(entry.data), 3), "old");
    cache.releasePackage("utils.pak");
    EXPECT_EQ(cache.openPackageCount(), 0u);

    writePackageFile("utils.pak", {{"digits", bytesOf("new!")}});
    entry = cache.acquireEntry("utils.pak", "digits");
    EXPECT_EQ(entry.size, 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(entry.data), 4), "new!");
    cache.releasePackage("utils.pak");
}

TEST_F(TextureCacheTest, MissingOrUndecodableEntriesGiveNothingButHoldAUse) {
    writePackageFile("main.pak", {{"notanimage", bytesOf("just some bytes")}, {"empty", {}}});
    const EntryBytes missing = cache.acquireEntry("main.pak", "nope");
    EXPECT_EQ(missing.data, nullptr);
    EXPECT_EQ(missing.size, 0);
    EXPECT_EQ(cache.acquireTexture("main.pak", "nope"), 0u);
    EXPECT_EQ(cache.acquireTexture("main.pak", "notanimage"), 0u);
    EXPECT_EQ(cache.acquireTexture("main.pak", "empty"), 0u);
    EXPECT_EQ(cache.packageUses("main.pak"), 4);
    cache.releaseTexture("main.pak", 0);
    cache.releaseTexture("main.pak", 0);
    cache.releaseTexture("main.pak", 0);
    cache.releasePackage("main.pak");
    EXPECT_EQ(cache.packageUses("main.pak"), 0);
}

TEST_F(TextureCacheTest, ImageLargerThanGLTakesGivesTextureZero) {
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    ASSERT_GT(maxSize, 0);
    writePackageFile("main.pak", {{"wide", testimages::solidBmp32(maxSize + 1, 1, 9, 9, 9, 255)}});
    EXPECT_EQ(cache.acquireTexture("main.pak", "wide"), 0u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    cache.releaseTexture("main.pak", 0);
}

TEST_F(TextureCacheTest, ReleasingAnUnknownPackageDoesNothing) {
    writePackageFile("main.pak", {{"a", bytesOf("1")}});
    cache.acquirePackage("main.pak");
    cache.releasePackage("MAIN.PAK");
    cache.releaseTexture("other.pak", 7);
    EXPECT_EQ(cache.packageUses("main.pak"), 1);
    cache.releasePackage("main.pak");
}

TEST_F(TextureCacheTest, BasePathStartingWithZeroMeansNoPrefix) {
    writePackageFile("main.pak", {{"a", bytesOf("1")}});
    const std::string absolute = base + "main.pak";
    for (const std::string prefix : {"0", "0ignored/"}) {
        cache.setBasePath(prefix);
        const EntryBytes entry = cache.acquireEntry(absolute, "a");
        EXPECT_NE(entry.data, nullptr) << prefix;
        cache.releasePackage(absolute);
    }
    // A real base path is put in front of the name as it is.
    cache.setBasePath(base);
    EXPECT_NE(cache.acquireEntry("main.pak", "a").data, nullptr);
    cache.releasePackage("main.pak");
}

// The first skin folder holding the file has the package; a folder (or a
// folder named like the package) does not count.
TEST_F(TextureCacheTest, SkinFoldersComeBeforeTheBasePathFileByFile) {
    const std::string user = base + "user/", admin = base + "admin/";
    dir.write("user/clock.pak", "u");
    dir.write("admin/clock.pak", "a");
    dir.write("admin/calendar.pak", "a");
    dir.write("user/utils.pak/x", "");
    cache.setSkinFolders({user, admin});
    const struct {
        const char* name;
        std::string path;
    } cases[] = {{"clock.pak", user + "clock.pak"},
                 {"calendar.pak", admin + "calendar.pak"},
                 {"main.pak", base + "main.pak"},
                 {"utils.pak", base + "utils.pak"}};
    for (const auto& c : cases) EXPECT_EQ(cache.packagePath(c.name), c.path) << c.name;
}

TEST(TextureCacheDeathTest, MissingPackageEndsTheProgramWithStatusOne) {
    TempDir dir;
    TextureCache cache;
    cache.setBasePath(dir.path() + "/");
    EXPECT_EXIT(cache.acquireEntry("main.pak", "fon"), testing::ExitedWithCode(1), "^$");
}

}  // namespace
