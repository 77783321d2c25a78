#include "scene/transparent_queue.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "mesh/mesh_fixture.h"
#include "package/test_images.h"

namespace {

void setEnabled(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

class TransparentQueueTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.valid());
        scene.writePackage("main.pak", {{"white", testimages::solidBmp32(2, 2, 255, 255, 255, 255)},
                                        {"green", testimages::solidBmp32(2, 2, 0, 255, 0, 255)},
                                        {"halfRed", testimages::solidBmp32(2, 2, 255, 0, 0, 128)},
                                        {"halfGreen", testimages::solidBmp32(2, 2, 0, 255, 0, 128)}});
        setupLight();
    }
    void TearDown() override { EXPECT_EQ(transparentQueue.size(), 0u); }

    std::unique_ptr<SubMesh> transparent(const std::string& texture, double z) {
        SubMeshRecord record = quadRecord(texture, z);
        record.material.transparent = 1;
        record.material.ambient[0] = 1.0f;  // lit: red from the ambient terms only
        record.material.ambient[1] = 0.0f;
        record.material.ambient[2] = 0.0f;
        return scene.read(record, "main.pak");
    }

    MeshScene scene;
};

TEST_F(TransparentQueueTest, TransparentSubMeshIsQueuedWithItsMatrixAndEnables) {
    auto subMesh = transparent("white", -10);
    ASSERT_TRUE(subMesh);
    glPushMatrix();
    glTranslated(1, 2, -3);
    glScaled(2, 2, 2);
    double matrix[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, matrix);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHT3);
    glEnable(GL_NORMALIZE);
    glDisable(GL_DEPTH_TEST);
    subMesh->draw();
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT1);
    glDisable(GL_LIGHT3);
    glDisable(GL_NORMALIZE);
    glEnable(GL_DEPTH_TEST);
    glPopMatrix();

    EXPECT_EQ(transparentQueue.size(), 1u);
    EXPECT_EQ(scene.centre()[0], 0);  // not drawn yet
    for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(subMesh->modelview[i], matrix[i]);
    EXPECT_FALSE(subMesh->replay.depthTest);
    EXPECT_TRUE(subMesh->replay.normalize);
    EXPECT_TRUE(subMesh->replay.lighting);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(subMesh->replay.lights[i], i == 0 || i == 2) << i;
    // Only lights the implementation has are asked about.
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));

    transparentQueue.drawAll();
    EXPECT_EQ(transparentQueue.size(), 0u);
}

TEST_F(TransparentQueueTest, ReplayIsLitWhenCapturedLit) {
    auto lit = transparent("white", -10);
    ASSERT_TRUE(lit);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT1);
    lit->draw();
    glDisable(GL_LIGHT1);
    glDisable(GL_LIGHTING);
    const EnableSnapshot traversal = EnableSnapshot::take();
    transparentQueue.drawAll();
    // Ambient only: material red 1 x (scene ambient 0.2 + light ambient 0.7).
    EXPECT_NEAR(scene.centre()[0], 230, 2);
    EXPECT_EQ(scene.centre()[1], 0);
    EXPECT_TRUE(EnableSnapshot::take() == traversal);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TransparentQueueTest, ReplayIsUnlitWhenCapturedUnlit) {
    auto unlit = transparent("white", -10);
    ASSERT_TRUE(unlit);
    unlit->draw();
    transparentQueue.drawAll();
    EXPECT_EQ(scene.centre()[0], 255);
    EXPECT_EQ(scene.centre()[1], 255);
}

TEST_F(TransparentQueueTest, ReplayHonoursTheCapturedDepthTest) {
    auto wall = scene.read(quadRecord("green", -5), "main.pak");
    auto hidden = transparent("white", -20);
    auto onTop = transparent("white", -20);
    ASSERT_TRUE(wall && hidden && onTop);
    wall->draw();

    hidden->draw();  // depth test on: stays behind the wall
    transparentQueue.drawAll();
    EXPECT_EQ(scene.centre()[0], 0);
    EXPECT_EQ(scene.centre()[1], 255);

    glDisable(GL_DEPTH_TEST);
    onTop->draw();  // captured without depth test: drawn over the wall
    glEnable(GL_DEPTH_TEST);
    transparentQueue.drawAll();
    EXPECT_EQ(scene.centre()[0], 255);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(TransparentQueueTest, QueueOrderIsTraversalOrderWithDepthWritesOff) {
    // The first is nearer; with depth writes on it would hide the second.
    auto nearRed = transparent("halfRed", -10);
    auto farGreen = transparent("halfGreen", -20);
    ASSERT_TRUE(nearRed && farGreen);
    nearRed->draw();
    farGreen->draw();
    transparentQueue.drawAll();
    const uint8_t* c = scene.centre();
    // Green blended last over red-over-black: green ~128, red ~64.
    EXPECT_NEAR(c[1], 128, 2);
    EXPECT_NEAR(c[0], 64, 2);
    GLfloat depth = 0;
    glReadPixels(MeshScene::size / 2, MeshScene::size / 2, 1, 1, GL_DEPTH_COMPONENT, GL_FLOAT, &depth);
    EXPECT_EQ(depth, 1.0f);  // nothing written to the depth buffer
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

// One pass, each replay after the one before: opaque white, lit (red or blue
// ambient) or not, over a green wall or behind it; the centre shows the last
// one drawn.
TEST_F(TransparentQueueTest, EachReplayInOnePassHasItsOwnMaterialAndEnables) {
    auto wall = scene.read(quadRecord("green", -5), "main.pak");
    ASSERT_TRUE(wall);
    const struct {
        bool red, lit, depthTest;
        uint8_t centre[3];
    } sequence[] = {{true, true, false, {230, 0, 0}},     {false, true, false, {0, 0, 230}},
                    {true, true, true, {0, 0, 230}},      {false, false, false, {255, 255, 255}},
                    {true, true, false, {230, 0, 0}}};
    const EnableSnapshot traversal = EnableSnapshot::take();
    for (size_t last = 0; last < std::size(sequence); ++last) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        wall->draw();
        std::vector<std::unique_ptr<SubMesh>> meshes;
        for (size_t i = 0; i <= last; ++i) {
            SubMeshRecord record = quadRecord("white", -20);
            record.material.transparent = 1;
            record.material.ambient[0] = sequence[i].red, record.material.ambient[2] = !sequence[i].red;
            meshes.push_back(scene.read(record, "main.pak"));
            setEnabled(GL_LIGHTING, sequence[i].lit);
            setEnabled(GL_LIGHT1, sequence[i].lit);
            setEnabled(GL_DEPTH_TEST, sequence[i].depthTest);
            meshes.back()->draw();
        }
        glDisable(GL_LIGHTING), glDisable(GL_LIGHT1), glEnable(GL_DEPTH_TEST);
        transparentQueue.drawAll();
        for (int c = 0; c < 3; ++c) EXPECT_NEAR(scene.centre()[c], sequence[last].centre[c], 2) << last << c;
        EXPECT_TRUE(EnableSnapshot::take() == traversal) << last;
    }
}

TEST_F(TransparentQueueTest, FrameWithoutTransparentMeshesStillRestoresDepthWrites) {
    glDepthMask(GL_FALSE);
    transparentQueue.drawAll();
    GLboolean mask = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &mask);
    EXPECT_EQ(mask, GL_TRUE);
}

TEST_F(TransparentQueueTest, TransparentSubMeshIsQueuedOncePerDraw) {
    auto subMesh = transparent("white", -10);
    ASSERT_TRUE(subMesh);
    subMesh->draw();
    EXPECT_EQ(transparentQueue.size(), 1u);
    transparentQueue.drawAll();
    subMesh->draw();
    subMesh->draw();
    EXPECT_EQ(transparentQueue.size(), 2u);
    transparentQueue.drawAll();
}

}  // namespace
