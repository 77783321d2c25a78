// The order of GL calls that drawing must keep, recorded on real GL: the
// traversal's push, transform, update, hooks and pop; the opaque draw; the
// transparent capture and its replay at the end of the frame.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include "mesh/mesh_fixture.h"
#include "package/test_images.h"
#include "scene/attach_calls.h"
#include "scene/hooks.h"
#include "scene/scene_node.h"
#include "scene/transparent_queue.h"
#include "support/gl_call_log.h"
#include "video/display.h"

namespace {

using Calls = std::vector<std::string>;

void recordHook(int32_t phase, int32_t) {
    GlCallLog::record("hook " + std::to_string(phase));
}

void recordUpdate(int32_t) {
    GlCallLog::record("update");
}

class GlCallOrder : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scene.valid());
        SubMeshRecord opaque = quadRecord("white", 0, 1);
        SubMeshRecord cutOut = opaque;
        cutOut.material.alphaTest = 1;
        SubMeshRecord glass = opaque;
        glass.material.transparent = 1;
        scene.writePackage("main.pak", {{"white", testimages::solidBmp32(2, 2, 255, 255, 255, 255)},
                                        {"opaque", writeModelEntry({opaque})},
                                        {"cutOut", writeModelEntry({cutOut})},
                                        {"glass", writeModelEntry({glass})}});
    }
    void TearDown() override { EXPECT_EQ(transparentQueue.size(), 0u); }

    static SceneNode* modelNode(const char* entry) {
        auto* node = new SceneNode;
        node->loadModel("main.pak", entry);
        return node;
    }

    MeshScene scene;
};

TEST_F(GlCallOrder, TraversalPushesTransformsUpdatesHooksThenPops) {
    SceneNode root;
    SceneNode* node = modelNode("opaque");
    node->setTranslation(1, 2, 3);
    node->setRotation(10, 0, 20);
    node->addHook(recordHook, 0);
    BoundCall update = endlessCall();
    update.setCall(recordUpdate, 0);
    attachCalls(*node, {update});
    node->addChild(modelNode("opaque"));
    root.addChild(node);

    GlCallLog log;
    root.render();
    EXPECT_EQ(log.calls(), (Calls{"push",                             // root
                                  "push", "translate", "rotate", "rotate", "update",
                                  "hook 1", "draw 6", "hook 2",       // own meshes
                                  "hook 3", "push", "draw 6", "pop", "hook 4",  // child
                                  "pop", "pop"}));
}

TEST_F(GlCallOrder, NoDepthTestOnANodeWithoutAModelBracketsEachChild) {
    SceneNode overlay;  // as the overlay root: no model, only the hook
    overlay.addHook(hookNoDepthTest, 0);
    overlay.addChild(modelNode("opaque"));
    overlay.addChild(modelNode("opaque"));

    GlCallLog log;
    overlay.render();
    EXPECT_EQ(log.stateCalls(), (Calls{"disable DEPTH_TEST", "draw 6", "enable DEPTH_TEST",
                                       "disable DEPTH_TEST", "draw 6", "enable DEPTH_TEST"}));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(GlCallOrder, OpaqueMeshesDrawAtOnceAlphaTestedOnesInsideTheirTest) {
    SceneNode root;
    root.addChild(modelNode("cutOut"));
    root.addChild(modelNode("opaque"));

    GlCallLog log;
    root.render();
    EXPECT_EQ(log.stateCalls(), (Calls{"enable ALPHA_TEST", "draw 6", "disable ALPHA_TEST", "draw 6"}));
}

TEST_F(GlCallOrder, ScaledNodeNormalizesItsOwnMeshesAndTheirReplay) {
    SceneNode root;
    SceneNode* scaled = modelNode("opaque");
    scaled->setScale(2, 2, 2);
    scaled->addChild(modelNode("opaque"));  // children are not scaled
    SceneNode* glass = modelNode("glass");
    glass->setScale(0.5, 0.5, 0.5);
    root.addChild(scaled);
    root.addChild(glass);

    GlCallLog log;
    root.render();
    EXPECT_EQ(log.calls(), (Calls{"push",
                                  "push", "push", "scale", "enable NORMALIZE", "draw 6",
                                  "disable NORMALIZE", "pop", "push", "draw 6", "pop", "pop",
                                  // the glass is captured, not drawn
                                  "push", "push", "scale", "enable NORMALIZE", "disable NORMALIZE",
                                  "pop", "pop", "pop"}));
    log.clear();
    transparentQueue.drawAll();
    EXPECT_EQ(log.calls(), (Calls{"depthMask 0", "enable BLEND", "enable NORMALIZE", "loadMatrix",
                                  "draw 6", "disable NORMALIZE", "disable BLEND", "depthMask 1"}));
}

TEST_F(GlCallOrder, TransparentReplayRestoresWhatWasOnAtCapture) {
    SceneNode root;
    SceneNode* lit = modelNode("glass");
    lit->addHook(hookLighting, 0);
    lit->addHook(hookNoDepthTest, 0);
    root.addChild(lit);
    root.addChild(modelNode("glass"));  // captured with the depth test on, unlit

    GlCallLog log;
    root.render();
    EXPECT_EQ(log.stateCalls(), (Calls{"enable LIGHTING", "enable LIGHT1", "disable DEPTH_TEST",
                                       "disable LIGHT1", "disable LIGHTING", "enable DEPTH_TEST"}));
    log.clear();
    transparentQueue.drawAll();
    EXPECT_EQ(log.stateCalls(),
              (Calls{"depthMask 0", "enable BLEND",
                     "disable DEPTH_TEST", "enable LIGHTING", "enable LIGHT1", "draw 6",
                     // only what differs is switched between replays
                     "enable DEPTH_TEST", "disable LIGHTING", "disable LIGHT1", "draw 6",
                     "disable BLEND", "depthMask 1"}));
}

TEST_F(GlCallOrder, AFrameWithoutTransparentMeshesStillTurnsDepthWritesOffAndOn) {
    GlCallLog log;
    transparentQueue.drawAll();
    EXPECT_EQ(log.calls(), (Calls{"depthMask 0", "depthMask 1"}));
    GLboolean depthWrites = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
    EXPECT_TRUE(depthWrites);
}

}  // namespace
