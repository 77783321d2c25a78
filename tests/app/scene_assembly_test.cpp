#include "app/scene_assembly.h"

#include <cmath>
#include <set>

#include "app/headless_driver.h"
#include "app/overlay_layout.h"
#include "content/analog_clock.h"
#include "content/calendar.h"
#include "content/delayed_model.h"
#include "content/digital_clock.h"
#include "content/frame_counter.h"
#include "content/heart.h"
#include "scene/behaviours.h"
#include "scene/backdrop.h"
#include "scene/hooks.h"
#include "support/show_test.h"
#include "video/display.h"

namespace {

class SceneAssemblyTest : public ShowTest {
protected:
    static Settings allFlags() {
        Settings s;
        s.showFrameCounter = s.showClock = s.analogClock = s.clock24Hour = 1;
        s.largeClock = s.showCalendar = s.russianCalendar = 1;
        return s;
    }
    static const BoundCall& onlyCall(const SceneNode& node) {
        EXPECT_EQ(node.controllers.calls.size(), 1u);
        return node.controllers.calls.front();
    }
    // To three decimals; one unit of the last decimal allows for GLU
    // implementations that round the unprojected corner differently.
    static void expectTranslation(const SceneNode& node, double x, double y, double z) {
        EXPECT_NEAR(node.transform.translation[0], x, 1e-3);
        EXPECT_NEAR(node.transform.translation[1], y, 1e-3);
        EXPECT_NEAR(node.transform.translation[2], z, 1e-3);
    }
};

TEST_F(SceneAssemblyTest, DefaultTree) {
    HeadlessDriver driver(Settings(), 64, 64);
    const SceneNode& world = *driver.show().worldRoot;
    ASSERT_EQ(world.children.size(), 2u);
    const SceneNode& background = *world.children[0];
    EXPECT_EQ(modelEntryOf(background), "fon");
    EXPECT_EQ(background.transform.scale[0], 4.0);
    EXPECT_EQ(background.transform.scale[1], 3.0);
    EXPECT_EQ(background.transform.translation[2], -100);
    EXPECT_EQ(background.transform.rotation[1], 180);
    EXPECT_EQ(background.transform.rotation[2], 180);
    // A flat quad: a backdrop, what passes behind it clipped.
    ASSERT_EQ(background.hooks.size(), 1u);
    EXPECT_EQ(background.hooks[0].function, hookBackdrop);

    const SceneNode& group = *world.children[1];
    ASSERT_EQ(group.hooks.size(), 2u);
    EXPECT_EQ(group.hooks[0].function, hookLighting);
    EXPECT_EQ(group.hooks[1].function, hookClipBehindBackdrop);
    expectTranslation(group, 0, -6, -5);
    EXPECT_EQ(group.transform.rotation[0], -70);
    EXPECT_EQ(onlyCall(group).callback, behaviourSpin);
    EXPECT_EQ(onlyCall(group).type, 2);
    ASSERT_EQ(group.children.size(), 2u);
    EXPECT_EQ(onlyCall(*group.children[0]).callback, behaviourHeartSpawner);
    EXPECT_EQ(group.children[0]->subMeshCount, 0);
    const SceneNode& heart = *group.children[1];
    EXPECT_EQ(modelEntryOf(heart), "serdce");
    EXPECT_EQ(heart.transform.scale[0], 0.85);
    EXPECT_EQ(onlyCall(heart).callback, behaviourHeartBeat);
    EXPECT_EQ(onlyCall(heart).type, 1);

    const SceneNode& overlay = *driver.show().overlayRoot;
    ASSERT_EQ(overlay.children.size(), 2u);
    EXPECT_EQ(onlyCall(*overlay.children[0]).callback, behaviourBuildCalendar);
    EXPECT_EQ(onlyCall(*overlay.children[0]).type, 1);
    EXPECT_EQ(onlyCall(*overlay.children[1]).callback, behaviourBuildDigitalClock);
    EXPECT_EQ(onlyCall(*overlay.children[1]).type, 0);
    EXPECT_LT(onlyCall(*overlay.children[1]).duration, 0);  // one-shot
    EXPECT_EQ(onlyCall(overlay).callback, behaviourDelayedModel);
    ASSERT_EQ(overlay.hooks.size(), 1u);
    EXPECT_EQ(overlay.hooks[0].function, hookNoDepthTest);
}

TEST_F(SceneAssemblyTest, AllFlagsSet) {
    HeadlessDriver driver(allFlags(), 64, 64);
    const SceneNode& overlay = *driver.show().overlayRoot;
    ASSERT_EQ(overlay.children.size(), 3u);
    EXPECT_EQ(onlyCall(*overlay.children[0]).type, 0);  // Russian calendar
    EXPECT_EQ(onlyCall(*overlay.children[1]).callback, behaviourBuildAnalogClock);
    const SceneNode& fps = *overlay.children[2];
    EXPECT_EQ(modelEntryOf(fps), "fps");
    EXPECT_EQ(onlyCall(fps).callback, behaviourFrameCounter);
    EXPECT_TRUE(onlyCall(fps).endless);
}

TEST_F(SceneAssemblyTest, NoClockWhenItIsOff) {
    Settings settings = allFlags();
    settings.showClock = 0;
    HeadlessDriver driver(settings, 64, 64);
    const SceneNode& overlay = *driver.show().overlayRoot;
    ASSERT_EQ(overlay.children.size(), 2u);
    EXPECT_EQ(onlyCall(*overlay.children[0]).callback, behaviourBuildCalendar);
    EXPECT_EQ(modelEntryOf(*overlay.children[1]), "fps");
}

TEST_F(SceneAssemblyTest, OverlayPlacementsFollowTheAspectRatio) {
    struct Case {
        int w, h;
        double calendarX, nearX, farX, fpsX;
    };
    for (const Case& c : {Case{1024, 768, 116.532, 38.660, 93.888, -50.228},
                          Case{1280, 800, 139.839, 46.392, 112.666, -61.274}}) {
        for (bool large : {true, false}) {
            Settings settings = allFlags();
            settings.largeClock = large ? 1 : 0;
            HeadlessDriver driver(settings, c.w, c.h);
            const SceneNode& overlay = *driver.show().overlayRoot;
            expectTranslation(*overlay.children[0], c.calendarX, 75.801, -140);
            if (large) {
                expectTranslation(*overlay.children[1], c.nearX, -28.995, 30);
            } else {
                expectTranslation(*overlay.children[1], c.farX, -70.416, -70);
            }
            expectTranslation(*overlay.children[2], c.fpsX, 38.921, 0);
        }
    }
}

TEST_F(SceneAssemblyTest, OverlaysShrinkOnlyOnScreensNarrowerThanFourToThree) {
    struct Case {
        int w, h;
        double scale;
    };
    for (const Case& c : {Case{1080, 1920, 0.421875}, Case{768, 1024, 0.5625}, Case{1024, 768, 1},
                          Case{2560, 1080, 1}}) {
        EXPECT_EQ(overlayScale(c.w, c.h), c.scale) << c.w << " x " << c.h;
        HeadlessDriver driver(allFlags(), c.w, c.h);
        for (const SceneNode* node : driver.show().overlayRoot->children) {
            ASSERT_EQ(node->hooks.size(), c.scale < 1 ? 1u : 0u) << c.w << " x " << c.h;
            for (const RenderHook& hook : node->hooks) EXPECT_EQ(hook.value, c.scale * screenScaleOne);
        }
        if (c.scale < 1) continue;
        // Wide screens keep the display's own edges (to the last bit where
        // doubles are doubles; 32-bit x87 code may compare wider temporaries).
        const Display& d = *driver.show().display;
        const double* clock = driver.show().overlayRoot->children[1]->transform.translation;
        EXPECT_DOUBLE_EQ(clock[0], -d.edgeX(-70));
        EXPECT_DOUBLE_EQ(clock[1], d.edgeY(-70));
    }
}

TEST_F(SceneAssemblyTest, SpinIsSevenDegreesPerSecondFromAWholeAngle) {
    std::set<double> rates;
    std::set<double> angles;
    for (unsigned seed = 1; seed <= 40; ++seed) {
        std::srand(seed);
        HeadlessDriver driver(Settings(), 64, 64);
        const BoundCall& spin = onlyCall(*driver.show().worldRoot->children[1]);
        rates.insert(spin.a);
        EXPECT_GE(spin.b, 0);
        EXPECT_LE(spin.b, 359);
        EXPECT_EQ(spin.b, std::floor(spin.b));
        angles.insert(spin.b);
    }
    EXPECT_EQ(rates, (std::set<double>{-7.0, 7.0}));
    EXPECT_GT(angles.size(), 30u);
}

TEST_F(SceneAssemblyTest, OverlayChildrenRenderInOrderOverTheWorld) {
    HeadlessDriver driver(allFlags(), 64, 64);
    driver.step(16);
    const SceneNode& overlay = *driver.show().overlayRoot;
    // After the first frame the calendar and the clock have built their content.
    EXPECT_EQ(overlay.children[0]->children.size(), 2u);
    EXPECT_EQ(overlay.children[1]->children.size(), 4u);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));  // the hook put it back
}

}  // namespace
