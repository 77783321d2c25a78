#include "scene/backdrop.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include "mesh/mesh_fixture.h"
#include "package/test_images.h"
#include "scene/scene_node.h"
#include "scene/transparent_queue.h"

namespace {

SceneNode* modelNode(const char* entry, double x, double z, double turn = 0) {
    auto* node = new SceneNode;
    node->loadModel("main.pak", entry);
    node->setTranslation(x, 0, z);
    node->setRotation(0, turn, 0);
    return node;
}

// A backdrop filling the view at depth 150, sprites in front of it, behind it
// and across it: without the depth test and with the clip, the picture is the
// depth-tested one, pixel for pixel; without the clip the sprite behind shows.
// Only one flat opaque quad counts as a backdrop.
TEST(Backdrop, DrawsTheDepthTestedPictureAndIsOnlyAFlatOpaqueQuad) {
    MeshScene scene;
    ASSERT_TRUE(scene.valid());
    const SubMeshRecord quad = quadRecord("green", 0, 100);
    SubMeshRecord sprite = quadRecord("red", 0, 4), glass = quad, bent = quad;
    sprite.material.transparent = glass.material.transparent = 1;
    bent.positions[2] = 5;  // the first corner off the plane
    scene.writePackage("main.pak", {{"green", testimages::solidBmp32(2, 2, 0, 255, 0, 255)},
                                    {"red", testimages::solidBmp32(2, 2, 255, 0, 0, 255)},
                                    {"quad", writeModelEntry({quad})}, {"sprite", writeModelEntry({sprite})},
                                    {"glass", writeModelEntry({glass})}, {"bent", writeModelEntry({bent})},
                                    {"two", writeModelEntry({quad, quad})}});
    auto frame = [](bool backdropHooks, bool clipBehind) {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SceneNode root;
        SceneNode* backdrop = modelNode("quad", 0, -150);
        if (backdropHooks) backdrop->addHook(hookBackdrop, 0);
        auto* group = new SceneNode;
        if (clipBehind) group->addHook(hookClipBehindBackdrop, 0);
        for (SceneNode* node : {modelNode("sprite", 20, -100), modelNode("sprite", 0, -200),
                                modelNode("sprite", -20, -150, 60)}) {
            group->addChild(node);
        }
        root.addChild(backdrop);
        root.addChild(group);
        glLoadIdentity();
        root.render();
        transparentQueue.drawAll();
        std::vector<uint8_t> pixels(MeshScene::size * MeshScene::size * 4);
        glReadPixels(0, 0, MeshScene::size, MeshScene::size, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    };
    const std::vector<uint8_t> depthTested = frame(false, false);
    EXPECT_EQ(frame(true, true), depthTested);
    EXPECT_FALSE(glIsEnabled(GL_CLIP_PLANE0));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_NE(frame(true, false), depthTested);
    for (const char* entry : {"quad", "glass", "bent", "two"}) {
        SceneNode node;
        node.loadModel("main.pak", entry);
        EXPECT_EQ(isFlatBackdrop(node), std::string(entry) == "quad") << entry;
    }
}

}  // namespace
