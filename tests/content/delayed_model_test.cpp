#include "content/delayed_model.h"

#include "app/headless_driver.h"
#include "support/show_test.h"

namespace {

class DelayedModelTest : public ShowTest {
protected:
    static Settings overlayEmpty() {
        Settings settings;
        settings.showClock = 0;
        settings.showCalendar = 0;
        return settings;
    }
    static int modelsNamedNn(const SceneNode& overlay) {
        int count = 0;
        for (const SceneNode* child : overlay.children) count += modelEntryOf(*child) == "nn";
        return count;
    }
};

TEST_F(DelayedModelTest, JoinsTheOverlayJustAfterOneMinute) {
    HeadlessDriver driver(overlayEmpty(), 64, 64);
    SceneNode& overlay = *driver.show().overlayRoot;
    driver.frameAt(60000);  // exactly 60000 does not fire
    EXPECT_EQ(modelsNamedNn(overlay), 0);
    driver.frameAt(60001);
    ASSERT_EQ(modelsNamedNn(overlay), 1);
    const SceneNode& nn = *overlay.children.back();
    EXPECT_TRUE(nn.transform.isScaled());
    EXPECT_EQ(nn.transform.scale[0], 0.5);
    EXPECT_EQ(nn.transform.translation[0], 0);
    for (int i = 0; i < 10; ++i) driver.step(16);
    EXPECT_EQ(modelsNamedNn(overlay), 1);
    EXPECT_TRUE(overlay.controllers.calls.empty());
}

TEST_F(DelayedModelTest, FiresOnceEvenAtVeryLowFrameRates) {
    HeadlessDriver driver(overlayEmpty(), 64, 64);
    driver.frameAt(70000);
    driver.frameAt(140000);
    driver.frameAt(210000);
    EXPECT_EQ(modelsNamedNn(*driver.show().overlayRoot), 1);
}

}  // namespace
