#include "mesh/sub_mesh.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "mesh/mesh_fixture.h"
#include "mesh/model_entry.h"
#include "package/test_images.h"
#include "proctex/procedural_texture_registry.h"

namespace {

class SubMeshTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.valid());
        scene.writePackage("main.pak", {{"skin", testimages::solidBmp32(2, 2, 255, 0, 0, 255)},
                                        {"#skin", testimages::solidBmp32(2, 2, 0, 255, 0, 255)}});
    }
    void TearDown() override {
        EXPECT_EQ(textureCache.openPackageCount(), 0u);
        EXPECT_EQ(proceduralTextures.textureCount(), 0u);
    }
    MeshScene scene;
};

TEST_F(SubMeshTest, PackageTextureIsTakenFromTheModelsPackageAndGivenBack) {
    auto first = scene.read(quadRecord("skin", -10), "main.pak");
    ASSERT_TRUE(first);
    EXPECT_NE(first->texture, 0u);
    EXPECT_FALSE(first->procedural);
    EXPECT_EQ(first->textureSource, "main.pak");
    EXPECT_STREQ(first->textureEntryName, "skin");
    EXPECT_EQ(first->triangleCount, 2);
    EXPECT_EQ(textureCache.packageUses("main.pak"), 1);

    auto second = scene.read(quadRecord("skin", -10), "main.pak");
    ASSERT_TRUE(second);
    EXPECT_EQ(second->texture, first->texture);
    EXPECT_EQ(textureCache.packageUses("main.pak"), 2);

    const uint32_t texture = first->texture;
    first.reset();
    EXPECT_TRUE(glIsTexture(texture));
    EXPECT_EQ(textureCache.packageUses("main.pak"), 1);
    second.reset();
    EXPECT_FALSE(glIsTexture(texture));
}

TEST_F(SubMeshTest, HashAsSecondCharacterUsesAGeneratedTextureAndNeverThePackage) {
    // The package name does not exist: opening it would end the test program.
    auto subMesh = scene.read(quadRecord("x#Plasma16x16:1:2:3", -10), "absent.pak");
    ASSERT_TRUE(subMesh);
    EXPECT_TRUE(subMesh->procedural);
    EXPECT_EQ(subMesh->textureSource, "x#Plasma16x16:1:2:3");
    EXPECT_NE(subMesh->texture, 0u);
    EXPECT_EQ(proceduralTextures.uses("x#Plasma16x16:1:2:3"), 1);
    EXPECT_EQ(textureCache.openPackageCount(), 0u);
    subMesh.reset();
    EXPECT_EQ(proceduralTextures.uses("x#Plasma16x16:1:2:3"), 0);
}

TEST_F(SubMeshTest, HashAsFirstCharacterOnlyIsAPackageTexture) {
    auto subMesh = scene.read(quadRecord("#skin", -10), "main.pak");
    ASSERT_TRUE(subMesh);
    EXPECT_FALSE(subMesh->procedural);
    EXPECT_NE(subMesh->texture, 0u);
    EXPECT_EQ(textureCache.packageUses("main.pak"), 1);
    EXPECT_EQ(proceduralTextures.textureCount(), 0u);
}

TEST_F(SubMeshTest, ModelFromAPackageHoldsOneUsePerTexturedSubMeshPlusItsBytes) {
    const std::vector<uint8_t> model = writeModelEntry(
        {quadRecord("skin", -10), quadRecord("x#Fire16x16", -10), quadRecord("skin", -20)}, 255);
    scene.writePackage("main.pak", {{"serdce", model},
                                    {"skin", testimages::solidBmp32(2, 2, 255, 0, 0, 255)}});
    const EntryBytes entry = textureCache.acquireEntry("main.pak", "serdce");
    ASSERT_EQ(entry.size, static_cast<int32_t>(model.size()));
    ByteCursor cursor(entry.data, static_cast<size_t>(entry.size));
    int32_t count = 0;
    std::string error;
    ASSERT_TRUE(readModelHeader(cursor, count, error)) << error;
    ASSERT_EQ(count, 3);
    std::vector<std::unique_ptr<SubMesh>> meshes;
    for (int32_t i = 0; i < count; ++i) {
        meshes.push_back(std::make_unique<SubMesh>());
        ASSERT_TRUE(meshes.back()->read(cursor, "main.pak", error)) << error;
    }
    EXPECT_EQ(cursor.remaining(), 0u);
    EXPECT_EQ(textureCache.packageUses("main.pak"), 3);
    EXPECT_EQ(proceduralTextures.uses("x#Fire16x16"), 1);
    EXPECT_EQ(meshes[0]->texture, meshes[2]->texture);
    // Each quad's six corners are four vertices.
    EXPECT_EQ(meshes[2]->geometry.vertexCount(), 4u);
    EXPECT_EQ(meshes[2]->geometry.indices.size(), 6u);
    meshes.clear();
    EXPECT_EQ(textureCache.packageUses("main.pak"), 1);
    textureCache.releasePackage("main.pak");
}

TEST_F(SubMeshTest, RefusedRecordAcquiresNothing) {
    std::vector<uint8_t> bytes;
    appendSubMeshRecord(bytes, quadRecord("skin", -10));
    bytes.pop_back();
    ByteCursor cursor(bytes.data(), bytes.size());
    SubMesh subMesh;
    std::string error;
    // A package that does not exist: any texture acquisition would end the program.
    EXPECT_FALSE(subMesh.read(cursor, "absent.pak", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(cursor.position(), 0u);
    EXPECT_EQ(subMesh.texture, 0u);
    EXPECT_EQ(textureCache.openPackageCount(), 0u);
}

TEST_F(SubMeshTest, MissingImageGivesTextureZeroAndStillBalances) {
    auto subMesh = scene.read(quadRecord("nothere", -10), "main.pak");
    ASSERT_TRUE(subMesh);
    EXPECT_EQ(subMesh->texture, 0u);
    EXPECT_EQ(textureCache.packageUses("main.pak"), 1);
}

TEST_F(SubMeshTest, SecondReadIsRefused) {
    std::vector<uint8_t> bytes;
    appendSubMeshRecord(bytes, quadRecord("skin", -10));
    appendSubMeshRecord(bytes, quadRecord("skin", -10));
    ByteCursor cursor(bytes.data(), bytes.size());
    SubMesh subMesh;
    std::string error;
    ASSERT_TRUE(subMesh.read(cursor, "main.pak", error)) << error;
    EXPECT_FALSE(subMesh.read(cursor, "main.pak", error));
    EXPECT_EQ(textureCache.packageUses("main.pak"), 1);
}

}  // namespace
