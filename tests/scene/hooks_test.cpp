#include "scene/hooks.h"

#include "scene/render_hook.h"
#include "support/gl_test.h"

namespace {

struct Enables {
    GLboolean lighting, light1, depthTest;
    GLint stackDepth;
    bool operator==(const Enables&) const = default;
};

Enables enables() {
    Enables e{glIsEnabled(GL_LIGHTING), glIsEnabled(GL_LIGHT1), glIsEnabled(GL_DEPTH_TEST), 0};
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &e.stackDepth);
    return e;
}

class HooksTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        glEnable(GL_DEPTH_TEST);
        glDisable(GL_LIGHTING);
        glDisable(GL_LIGHT1);
    }
};

TEST_F(HooksTest, EveryHookRestoresTheStateAfterEachPhasePair) {
    for (RenderHookFunction hook : {hookLighting, hookNoDepthTest, hookBillboard, hookScaleOnScreen}) {
        for (int32_t open : {BeforeMeshes, BeforeChild}) {
            const Enables before = enables();
            const auto matrix = modelview();
            hook(open, 0);
            hook(open + 1, 0);
            EXPECT_EQ(enables(), before);
            EXPECT_EQ(modelview(), matrix);
            EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        }
    }
}

TEST_F(HooksTest, LightingAndDepthHooksSwitchTheirStateInBetween) {
    hookLighting(BeforeChild, 0);
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_LIGHT1));
    hookLighting(AfterChild, 0);
    hookNoDepthTest(BeforeMeshes, 0);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    hookNoDepthTest(AfterMeshes, 0);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
}

TEST_F(HooksTest, BillboardDropsRotationAndScaleButKeepsThePosition) {
    glTranslated(3, -4, -50);
    glRotated(35, 1, 0.5, 0.2);
    glScaled(2, 2, 2);
    const auto placed = modelview();
    hookBillboard(BeforeMeshes, 0);
    const auto billboard = modelview();
    for (int column = 0; column < 3; ++column)
        for (int row = 0; row < 3; ++row)
            EXPECT_EQ(billboard[column * 4 + row], column == row ? 1.0 : 0.0);
    for (int i = 12; i < 16; ++i) EXPECT_EQ(billboard[i], placed[i]);
    for (int column = 0; column < 3; ++column) EXPECT_EQ(billboard[column * 4 + 3], placed[column * 4 + 3]);
    hookBillboard(AfterMeshes, 0);
    EXPECT_EQ(modelview(), placed);

    // Child phases leave the matrix alone.
    hookBillboard(BeforeChild, 0);
    EXPECT_EQ(modelview(), placed);
}

TEST_F(HooksTest, ScaleOnScreenScalesEyeSpaceXAndYAndKeepsTheDepth) {
    glTranslated(30, -20, -140);
    glRotated(35, 1, 0.5, 0.2);
    const auto placed = modelview();
    hookScaleOnScreen(BeforeChild, screenScaleOne / 4);
    const auto scaled = modelview();  // column-major: rows 0 and 1 give eye x and y
    for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(scaled[i], placed[i] * (i % 4 < 2 ? 0.25 : 1)) << i;
    hookScaleOnScreen(AfterChild, screenScaleOne / 4);
}

}  // namespace
