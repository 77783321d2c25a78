#include "scene/backdrop.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "mesh/mesh_fixture.h"
#include "package/test_images.h"
#include "scene/scene_node.h"
#include "scene/transparent_queue.h"

namespace {

class Backdrop : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.valid());
        SubMeshRecord sprite = quadRecord("red", 0, 4);
        sprite.material.transparent = 1;
        scene.writePackage("main.pak", {{"green", testimages::solidBmp32(2, 2, 0, 255, 0, 255)},
                                        {"red", testimages::solidBmp32(2, 2, 255, 0, 0, 255)},
                                        {"backdrop", writeModelEntry({quadRecord("green", 0, 100)})},
                                        {"sprite", writeModelEntry({sprite})}});
    }

    static SceneNode* modelNode(const char* entry, double x, double z) {
        auto* node = new SceneNode;
        node->loadModel("main.pak", entry);
        node->setTranslation(x, 0, z);
        return node;
    }

    // A backdrop filling the view at depth 150, and small sprites in front
    // of it, behind it, and across it; the whole picture.
    std::vector<uint8_t> frame(bool backdropHooks, bool clipBehind) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SceneNode root;
        SceneNode* backdrop = modelNode("backdrop", 0, -150);
        if (backdropHooks) backdrop->addHook(hookBackdrop, 0);
        auto* group = new SceneNode;
        if (clipBehind) group->addHook(hookClipBehindBackdrop, 0);
        group->addChild(modelNode("sprite", 20, -100));
        group->addChild(modelNode("sprite", 0, -200));
        auto* across = modelNode("sprite", -20, -150);
        across->setRotation(0, 60, 0);
        group->addChild(across);
        root.addChild(backdrop);
        root.addChild(group);
        glLoadIdentity();
        root.render();
        transparentQueue.drawAll();
        std::vector<uint8_t> pixels(MeshScene::size * MeshScene::size * 4);
        glReadPixels(0, 0, MeshScene::size, MeshScene::size, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    MeshScene scene;
};

TEST_F(Backdrop, WithoutDepthTestAndWithTheClipThePictureIsTheDepthTestedOne) {
    const std::vector<uint8_t> depthTested = frame(false, false);
    EXPECT_EQ(frame(true, true), depthTested);
    EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE0));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    // Without the clip the sprite behind shows through: the scene tells.
    EXPECT_NE(frame(true, false), depthTested);
}

TEST_F(Backdrop, OnlyOneFlatOpaqueQuadIsABackdrop) {
    const SubMeshRecord quad = quadRecord("green", 0, 100);
    SubMeshRecord glass = quad, bent = quad;
    glass.material.transparent = 1;
    bent.positions[2] = 5;  // the first corner off the plane
    const std::pair<const char*, std::vector<SubMeshRecord>> cases[] = {
        {"quad", {quad}}, {"transparent", {glass}}, {"bent", {bent}}, {"two sub-meshes", {quad, quad}}};
    for (const auto& [name, model] : cases) {
        scene.writePackage("skin.pak", {{"green", testimages::solidBmp32(2, 2, 0, 255, 0, 255)},
                                        {"fon", writeModelEntry(model)}});
        SceneNode node;
        node.loadModel("skin.pak", "fon");
        EXPECT_EQ(isFlatBackdrop(node), std::string(name) == "quad") << name;
    }
}

}  // namespace
