#include "app/headless_driver.h"

#include <algorithm>

#include "package/texture_cache.h"
#include "scene/frame_ticks.h"
#include "scene/scene_node.h"
#include "support/gl_test.h"
#include "support/show_packages.h"

namespace {

class HeadlessDriverTest : public GlTest {
protected:
    ShowPackages packages;
};

void chain(SceneNode* parent, int depth) {
    for (int i = 0; i < depth; ++i) {
        auto* child = new SceneNode;
        parent->addChild(child);
        parent = child;
    }
}

int depthBelow(const SceneNode& node) {
    int deepest = 0;
    for (const SceneNode* child : node.children) deepest = std::max(deepest, 1 + depthBelow(*child));
    return deepest;
}

TEST_F(HeadlessDriverTest, ShutdownTakesDepthPlusOneFramesThenTearsDown) {
    for (int extra : {0, 3, 8}) {
        HeadlessDriver driver(Settings(), 64, 64);
        driver.step(16);
        chain(driver.show().worldRoot.get(), extra);
        const int depth = std::max(depthBelow(*driver.show().worldRoot),
                                   depthBelow(*driver.show().overlayRoot));
        EXPECT_EQ(driver.finish(), depth + 1) << "depth " << depth;
        EXPECT_TRUE(driver.tornDown());
        EXPECT_EQ(driver.show().worldRoot, nullptr);
        EXPECT_EQ(driver.show().overlayRoot, nullptr);
        EXPECT_EQ(driver.show().settings, nullptr);
        EXPECT_EQ(textureCache.openPackageCount(), 0u);
    }
}

TEST_F(HeadlessDriverTest, FramesSampleTheGivenTicks) {
    HeadlessDriver driver(Settings(), 64, 64);
    driver.frameAt(1234);
    EXPECT_EQ(frameTicks, 1234u);
    driver.step(16);
    EXPECT_EQ(frameTicks, 1250u);
    // The frame leaves the view 100 units out.
    EXPECT_DOUBLE_EQ(modelview()[14], -100.0);
}

TEST_F(HeadlessDriverTest, ASecondShutdownRequestChangesNothing) {
    HeadlessDriver driver(Settings(), 64, 64);
    chain(driver.show().worldRoot.get(), 2);
    beginShutdown(driver.show());
    driver.step(16);
    beginShutdown(driver.show());
    driver.step(16);
    driver.step(16);
    EXPECT_TRUE(showFinished(driver.show()));
}

}  // namespace
