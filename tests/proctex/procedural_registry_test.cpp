#include "proctex/procedural_texture_registry.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "proctex/fire.h"
#include "proctex/plasma.h"
#include "support/offscreen_context.h"
#include "video/texture_object.h"

namespace {

class ProceduralRegistryTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(context.valid()); }

    std::vector<uint8_t> image(uint32_t texture, int32_t width, int32_t height) {
        std::vector<uint8_t> pixels(static_cast<size_t>(width * height * 4));
        glBindTexture(GL_TEXTURE_2D, texture);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    OffscreenContext context{8, 8};
    ProceduralTextureRegistry registry;
};

TEST_F(ProceduralRegistryTest, IdenticalNamesShareOneTexture) {
    const uint32_t a = registry.acquire("x#Plasma16x16:1:2:3");
    const uint32_t b = registry.acquire("x#Plasma16x16:1:2:3");
    const uint32_t c = registry.acquire("x#Plasma16x16:1:2:3 ");  // differs after the numbers
    ASSERT_NE(a, 0u);
    EXPECT_EQ(a, b);
    EXPECT_NE(c, 0u);
    EXPECT_NE(c, a);
    EXPECT_EQ(registry.uses("x#Plasma16x16:1:2:3"), 2);
    EXPECT_EQ(registry.textureCount(), 2u);

    registry.release("x#Plasma16x16:1:2:3");
    EXPECT_TRUE(glIsTexture(a));
    registry.release("x#Plasma16x16:1:2:3");
    EXPECT_FALSE(glIsTexture(a));
    EXPECT_EQ(registry.uses("x#Plasma16x16:1:2:3"), 0);
    registry.release("x#Plasma16x16:1:2:3 ");
    EXPECT_EQ(registry.textureCount(), 0u);
    registry.release("never acquired");  // does nothing
}

TEST_F(ProceduralRegistryTest, TextureHasTheNamedSizeAndTheProgramsSettings) {
    const uint32_t texture = registry.acquire("x#Fire32x8");
    ASSERT_NE(texture, 0u);
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0, minFilter = 0, magFilter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &minFilter);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &magFilter);
    EXPECT_EQ(width, 32);
    EXPECT_EQ(height, 8);
    EXPECT_EQ(minFilter, GL_LINEAR);
    EXPECT_EQ(magFilter, GL_LINEAR);
    registry.release("x#Fire32x8");
}

TEST_F(ProceduralRegistryTest, UpdateAllUploadsEachGeneratorsPixelsInCreationOrder) {
    const uint32_t plasma = registry.acquire("x#Plasma32x16:5:6:7");
    const uint32_t fireA = registry.acquire("x#Fire16x16");
    const uint32_t fireB = registry.acquire("y#Fire16x16");
    std::srand(99);
    registry.updateAll(4321);
    registry.updateAll(4338);

    std::vector<uint8_t> expectedPlasma(32 * 16 * 4);
    generatePlasmaDirect(4338, 32, 16, expectedPlasma.data(), {5, 6, 7});
    EXPECT_EQ(image(plasma, 32, 16), expectedPlasma);

    // Both Fire effects draw from the one generator, A before B each frame.
    std::unique_ptr<FireState> a(makeFireState(16, 16)), b(makeFireState(16, 16));
    std::vector<uint8_t> pixelsA(16 * 16 * 4), pixelsB(16 * 16 * 4);
    std::srand(99);
    for (int frame = 0; frame < 2; ++frame) {
        generateFire(0, 16, 16, pixelsA.data(), a.get());
        generateFire(0, 16, 16, pixelsB.data(), b.get());
    }
    EXPECT_EQ(image(fireA, 16, 16), pixelsA);
    EXPECT_EQ(image(fireB, 16, 16), pixelsB);
    for (const char* name : {"x#Plasma32x16:5:6:7", "x#Fire16x16", "y#Fire16x16"}) registry.release(name);
}

TEST_F(ProceduralRegistryTest, UnusableNamesGiveZeroAndStillBalance) {
    const char* names[] = {"x#Smoke16x16", "x#Plasma", "x#Fire1x1", "x#Plasma0x16:1:2:3",
                           "x#Fire16x-2", "x#Plasma1048576x1:0:0:0"};
    for (const char* name : names) {
        EXPECT_EQ(registry.acquire(name), 0u) << name;
        EXPECT_EQ(registry.acquire(name), 0u) << name;
        EXPECT_EQ(registry.uses(name), 2) << name;
        EXPECT_EQ(registry.find(name), nullptr);
    }
    registry.updateAll(10);  // skips them
    for (const char* name : names) {
        registry.release(name);
        registry.release(name);
        EXPECT_EQ(registry.uses(name), 0) << name;
    }
    EXPECT_EQ(registry.textureCount(), 0u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(ProceduralRegistryTest, FireStartsColdAgainAfterItsLastRelease) {
    registry.acquire("x#Fire16x16");
    std::srand(1);
    for (int i = 0; i < 30; ++i) registry.updateAll(i);
    ProceduralTexture* warm = registry.find("x#Fire16x16");
    ASSERT_NE(warm, nullptr);
    const FireState* warmState = static_cast<const FireState*>(warm->userData);
    const std::vector<uint8_t> warmHeat(warmState->heatCurrent, warmState->heatCurrent + 16 * 19);
    EXPECT_NE(warmHeat, std::vector<uint8_t>(16 * 19, 0));
    registry.release("x#Fire16x16");

    registry.acquire("x#Fire16x16");
    const FireState* cold = static_cast<const FireState*>(registry.find("x#Fire16x16")->userData);
    EXPECT_EQ(std::vector<uint8_t>(cold->heatCurrent, cold->heatCurrent + 16 * 19),
              std::vector<uint8_t>(16 * 19, 0));
    registry.release("x#Fire16x16");
}

TEST_F(ProceduralRegistryTest, DestroyingAProceduralTextureLeavesItsGLTexture) {
    auto* texture = new ProceduralTexture(generatePlasma, deletePlasmaState,
                                          makePlasmaState({0, 0, 0}, 4, 4), 4, 4);
    const uint32_t name = texture->texture;
    EXPECT_EQ(texture->pixelByteCount, 64);
    delete texture;
    EXPECT_TRUE(glIsTexture(name));
    deleteTexture(name);
    EXPECT_FALSE(glIsTexture(name));
}

}  // namespace
