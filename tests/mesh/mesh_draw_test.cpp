#include <GL/gl.h>
#include <gtest/gtest.h>

#include "mesh/mesh_fixture.h"
#include "package/test_images.h"
#include "scene/transparent_queue.h"

namespace {

class MeshDrawTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.valid());
        scene.writePackage("main.pak", {{"red", testimages::solidBmp32(2, 2, 255, 0, 0, 255)},
                                        {"faint", testimages::solidBmp32(2, 2, 0, 0, 255, 100)}});
    }
    void TearDown() override { EXPECT_EQ(transparentQueue.size(), 0u); }
    MeshScene scene;
};

TEST_F(MeshDrawTest, OpaqueSubMeshDrawsAndLeavesTheEnablesAsFound) {
    auto subMesh = scene.read(quadRecord("red", -10), "main.pak");
    ASSERT_TRUE(subMesh);
    const uint8_t* before = scene.centre();
    EXPECT_EQ(before[0], 0);
    const EnableSnapshot enables = EnableSnapshot::take();
    subMesh->draw();
    EXPECT_EQ(scene.centre()[0], 255);
    EXPECT_EQ(scene.centre()[1], 0);
    EXPECT_TRUE(EnableSnapshot::take() == enables);
    EXPECT_EQ(transparentQueue.size(), 0u);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(MeshDrawTest, DrawCapturesTheModelviewMatrix) {
    auto subMesh = scene.read(quadRecord("red", 0), "main.pak");
    ASSERT_TRUE(subMesh);
    glPushMatrix();
    glTranslated(1, 2, -30);
    glRotated(30, 0, 0, 1);
    double expected[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, expected);
    subMesh->draw();
    glPopMatrix();
    for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(subMesh->modelview[i], expected[i]) << i;
}

TEST_F(MeshDrawTest, AlphaTestFlagAppliesWhileDrawingOnly) {
    SubMeshRecord record = quadRecord("faint", -10);
    record.material.alphaTest = 1;
    auto subMesh = scene.read(record, "main.pak");
    ASSERT_TRUE(subMesh);
    subMesh->draw();
    // Alpha 100/255 fails the Display's GREATER 0.9 test: nothing is written.
    EXPECT_EQ(scene.centre()[2], 0);
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));

    record.material.alphaTest = 0;
    auto plain = scene.read(record, "main.pak");
    plain->draw();
    EXPECT_EQ(scene.centre()[2], 255);
}

TEST_F(MeshDrawTest, NoTrianglesStillBindsTheTextureAndSetsTheMaterial) {
    SubMeshRecord record;
    record.textureName = "red";
    record.material.diffuse[0] = 0.25f;
    record.material.ambient[1] = 0.5f;
    record.material.specular[2] = 0.75f;
    record.material.shininess = 12.0f;
    auto subMesh = scene.read(record, "main.pak");
    ASSERT_TRUE(subMesh);
    EXPECT_EQ(subMesh->triangleCount, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    subMesh->draw();
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<uint32_t>(bound), subMesh->texture);
    GLfloat diffuse[4], ambient[4], specular[4], shininess;
    glGetMaterialfv(GL_BACK, GL_DIFFUSE, diffuse);
    glGetMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    EXPECT_FLOAT_EQ(diffuse[0], 0.25f);
    EXPECT_FLOAT_EQ(ambient[1], 0.5f);
    EXPECT_FLOAT_EQ(specular[2], 0.75f);
    EXPECT_FLOAT_EQ(shininess, 12.0f);
    EXPECT_EQ(scene.centre()[0], 0);
}

}  // namespace
