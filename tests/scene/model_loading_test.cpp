#include <cstdint>

#include "mesh/sub_mesh.h"
#include "package/texture_cache.h"
#include "proctex/procedural_texture_registry.h"
#include "scene/frame_ticks.h"
#include "scene/scene_node.h"
#include "scene/transparent_queue.h"
#include "support/gl_test.h"
#include "support/test_models.h"

namespace {

class ModelLoadingTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        frameTicks = 0;
        std::vector<uint8_t> truncated = writeModelEntry({squareRecord("red")});
        truncated.resize(truncated.size() - 10);
        base = writeTestPackage(dir, "test.pak",
                                {{"square", writeModelEntry({squareRecord("red")})},
                                 {"square255", writeModelEntry({squareRecord("red")}, 255)},
                                 {"pair", writeModelEntry({squareRecord("red"), squareRecord("blue")})},
                                 {"empty", writeModelEntry({})},
                                 {"broken", truncated},
                                 {"red", solidBmp(4, 4, 255, 0, 0)},
                                 {"blue", solidBmp(4, 4, 0, 0, 255)}});
        textureCache.setBasePath(base);
    }
    void TearDown() override {
        EXPECT_EQ(textureCache.openPackageCount(), 0u) << "a package use leaked";
        textureCache.setBasePath("0");
    }

    TempDir dir;
    std::string base;
};

TEST_F(ModelLoadingTest, MarkerDecidesWhereTheCountIs) {
    for (const char* entry : {"square", "square255"}) {
        SceneNode node;
        node.loadModel("test.pak", entry);
        EXPECT_EQ(node.subMeshCount, 1) << entry;
        EXPECT_TRUE(node.hasMeshes);
        EXPECT_EQ(node.subMeshes[0]->triangleCount, 2);
        EXPECT_NE(node.subMeshes[0]->texture, 0u);
    }
}

TEST_F(ModelLoadingTest, CountZeroStillMarksTheNodeAsHavingMeshes) {
    SceneNode node;
    node.loadModel("test.pak", "empty");
    EXPECT_EQ(node.subMeshCount, 0);
    EXPECT_TRUE(node.hasMeshes);
    EXPECT_EQ(textureCache.packageUses("test.pak"), 1);
}

TEST_F(ModelLoadingTest, TwoModelsSumTheirCountsAndHoldTwoPackageUses) {
    SceneNode node;
    node.loadModel("test.pak", "square");
    node.loadModel("test.pak", "pair");
    EXPECT_EQ(node.subMeshCount, 3);
    EXPECT_EQ(node.packageNames.size(), 2u);
    // Two model uses and one per textured sub-mesh.
    EXPECT_EQ(textureCache.packageUses("test.pak"), 5);
}

TEST_F(ModelLoadingTest, MissingAndBrokenEntriesLeaveTheNodeWithoutMeshesButHoldTheUse) {
    SceneNode node;
    testing::internal::CaptureStderr();
    node.loadModel("test.pak", "nothing-here");
    node.loadModel("test.pak", "broken");
    node.loadModel("test.pak", "nothing-here");  // said once only
    const std::string messages = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(node.hasMeshes);
    EXPECT_EQ(node.subMeshCount, 0);
    EXPECT_EQ(node.packageNames.size(), 3u);
    EXPECT_EQ(textureCache.packageUses("test.pak"), 3);
    EXPECT_NE(messages.find("\"nothing-here\""), std::string::npos) << messages;
    EXPECT_NE(messages.find("\"broken\""), std::string::npos) << messages;
    EXPECT_NE(messages.find("test.pak"), std::string::npos);
    EXPECT_EQ(messages.find("nothing-here"), messages.rfind("nothing-here")) << messages;
}

TEST_F(ModelLoadingTest, ASubtreeGivesBackEveryPackageAndTextureUse) {
    auto* root = new SceneNode;
    for (int i = 0; i < 3; ++i) {
        auto* child = new SceneNode;
        child->loadModel("test.pak", "pair");
        child->addChild(new SceneNode);
        child->children[0]->loadModel("test.pak", "square");
        root->addChild(child);
    }
    PackageFile* package = textureCache.findPackage("test.pak");
    ASSERT_NE(package, nullptr);
    const uint32_t red = root->children[0]->subMeshes[0]->texture;
    EXPECT_EQ(root->children[1]->subMeshes[0]->texture, red);  // shared
    EXPECT_TRUE(glIsTexture(red));
    root->markClosing();
    int traversals = 0;
    while (!root->closed && traversals < 10) {
        frameTicks += 16;
        root->render();
        transparentQueue.drawAll();
        ++traversals;
    }
    EXPECT_EQ(traversals, 3);
    // The root itself holds no model: everything was given back, the package
    // closed and the shared texture deleted.
    EXPECT_EQ(textureCache.openPackageCount(), 0u);
    EXPECT_FALSE(glIsTexture(red));
    delete root;
}

TEST_F(ModelLoadingTest, AScaledNodeScalesItsOwnMeshesButNotItsChildren) {
    SceneNode parent;
    parent.setScale(3, 3, 3);
    parent.setTranslation(0, 0, -10);
    parent.loadModel("test.pak", "square");
    auto* child = new SceneNode;
    child->loadModel("test.pak", "square");
    parent.addChild(child);
    parent.render();
    const double* own = parent.subMeshes[0]->modelview;
    const double* theirs = child->subMeshes[0]->modelview;
    EXPECT_DOUBLE_EQ(own[0], 3.0);
    EXPECT_DOUBLE_EQ(own[10], 3.0);
    EXPECT_DOUBLE_EQ(own[14], -10.0);
    EXPECT_DOUBLE_EQ(theirs[0], 1.0);
    EXPECT_DOUBLE_EQ(theirs[14], -10.0);
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
}

}  // namespace
