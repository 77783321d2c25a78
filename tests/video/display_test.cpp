#include "video/display.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>

#include "support/offscreen_context.h"

namespace {

struct DisplayOn {
    explicit DisplayOn(int32_t w, int32_t h) : context(w, h) {
        if (context.valid()) display = Display::onCurrentContext(w, h);
    }
    OffscreenContext context;
    std::unique_ptr<Display> display;
};

TEST(Display, EdgesAt1024x768) {
    DisplayOn on(1024, 768);
    ASSERT_TRUE(on.context.valid());
    EXPECT_NEAR(on.display->edgeX(-100.0), -55.2285, 5e-5);
    EXPECT_NEAR(on.display->edgeY(-100.0), -41.4214, 5e-5);
    // Negated depth mirrors the edge: the right and top edges.
    EXPECT_NEAR(on.display->edgeX(100.0), 55.2285, 5e-5);
    EXPECT_NEAR(on.display->edgeY(183.0), -on.display->edgeY(-183.0), 1e-12);
}

TEST(Display, EdgesAt1280x800) {
    DisplayOn on(1280, 800);
    ASSERT_TRUE(on.context.valid());
    EXPECT_NEAR(on.display->edgeX(-100.0), -66.2742, 5e-5);
    EXPECT_NEAR(on.display->edgeY(-100.0), -41.4214, 5e-5);
}

TEST(Display, EdgesFollowTheFieldOfView) {
    DisplayOn on(640, 480);
    ASSERT_TRUE(on.context.valid());
    const double tanHalf = std::tan(22.5 * std::numbers::pi / 180.0);
    const double aspect = static_cast<double>(640.0f / 480.0f);
    for (double d : {-10.0, -70.0, -170.0, -240.0}) {
        EXPECT_NEAR(on.display->edgeX(d), d * aspect * tanHalf, 1e-6 * std::fabs(d));
        EXPECT_NEAR(on.display->edgeY(d), d * tanHalf, 1e-6 * std::fabs(d));
    }
}

TEST(Display, ZeroHeightProjectsLikeHeightOne) {
    DisplayOn on(64, 64);
    ASSERT_TRUE(on.context.valid());
    GLdouble one[16], zero[16];
    GLint viewportOne[4], viewportZero[4];
    on.display->setProjection(64, 1);
    glGetDoublev(GL_PROJECTION_MATRIX, one);
    glGetIntegerv(GL_VIEWPORT, viewportOne);
    const EyePoint cornerOne = on.display->corner;
    on.display->setProjection(64, 0);
    glGetDoublev(GL_PROJECTION_MATRIX, zero);
    glGetIntegerv(GL_VIEWPORT, viewportZero);
    for (int i = 0; i < 16; ++i) EXPECT_DOUBLE_EQ(zero[i], one[i]) << i;
    for (int i = 0; i < 4; ++i) EXPECT_EQ(viewportZero[i], viewportOne[i]) << i;
    EXPECT_EQ(viewportZero[3], 1);
    EXPECT_DOUBLE_EQ(on.display->corner.x, cornerOne.x);
    EXPECT_DOUBLE_EQ(on.display->corner.y, cornerOne.y);
}

TEST(Display, ProjectionIsFortyFiveDegreesFromNearPointOneToFar250) {
    DisplayOn on(800, 600);
    ASSERT_TRUE(on.context.valid());
    GLdouble p[16];
    glGetDoublev(GL_PROJECTION_MATRIX, p);
    const double f = 1.0 / std::tan(22.5 * std::numbers::pi / 180.0);
    const double nearPlane = static_cast<double>(0.1f);
    const double farPlane = 250.0;
    EXPECT_NEAR(p[5], f, 1e-6);
    EXPECT_NEAR(p[0], f / static_cast<double>(800.0f / 600.0f), 1e-6);
    EXPECT_NEAR(p[10], (farPlane + nearPlane) / (nearPlane - farPlane), 1e-6);
    EXPECT_NEAR(p[14], 2 * farPlane * nearPlane / (nearPlane - farPlane), 1e-6);
    GLint mode;
    glGetIntegerv(GL_MATRIX_MODE, &mode);
    EXPECT_EQ(mode, GL_MODELVIEW);
}

TEST(Display, FixedGlState) {
    DisplayOn on(320, 240);
    ASSERT_TRUE(on.context.valid());
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_FALSE(glIsEnabled(GL_ALPHA_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_VERTEX_ARRAY));
    EXPECT_TRUE(glIsEnabled(GL_NORMAL_ARRAY));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_COORD_ARRAY));
    EXPECT_FALSE(glIsEnabled(GL_COLOR_ARRAY));

    GLint value;
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_SMOOTH);
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_ALPHA_TEST_FUNC, &value);
    EXPECT_EQ(value, GL_GREATER);
    glGetIntegerv(GL_PERSPECTIVE_CORRECTION_HINT, &value);
    EXPECT_EQ(value, GL_NICEST);
    // Mesa offers the extension, so the colour control is switched.
    glGetIntegerv(0x81F8 /* GL_LIGHT_MODEL_COLOR_CONTROL */, &value);
    EXPECT_EQ(value, 0x81FA /* GL_SEPARATE_SPECULAR_COLOR */);

    GLfloat f[4];
    glGetFloatv(GL_ALPHA_TEST_REF, f);
    EXPECT_FLOAT_EQ(f[0], 0.9f);
    glGetFloatv(GL_COLOR_CLEAR_VALUE, f);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(f[i], 0.0f);
    GLdouble clearDepth;
    glGetDoublev(GL_DEPTH_CLEAR_VALUE, &clearDepth);
    EXPECT_EQ(clearDepth, 1.0);
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[2], 320);
    EXPECT_EQ(viewport[3], 240);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST(Display, LightOneValues) {
    DisplayOn on(64, 64);
    ASSERT_TRUE(on.context.valid());
    setupLight();
    GLfloat v[4];
    glGetLightfv(GL_LIGHT1, GL_AMBIENT, v);
    EXPECT_FLOAT_EQ(v[0], 0.7f);
    EXPECT_FLOAT_EQ(v[2], 0.7f);
    EXPECT_FLOAT_EQ(v[3], 1.0f);
    glGetLightfv(GL_LIGHT1, GL_DIFFUSE, v);
    EXPECT_FLOAT_EQ(v[1], 0.6f);
    EXPECT_FLOAT_EQ(v[3], 1.0f);
    glGetLightfv(GL_LIGHT1, GL_SPECULAR, v);
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(v[i], 1.0f);
    glGetLightfv(GL_LIGHT1, GL_CONSTANT_ATTENUATION, v);
    EXPECT_EQ(v[0], 0.0f);
    glGetLightfv(GL_LIGHT1, GL_QUADRATIC_ATTENUATION, v);
    EXPECT_FLOAT_EQ(v[0], 0.000001f);
    glGetLightfv(GL_LIGHT1, GL_POSITION, v);  // the default, a light along the view axis
    EXPECT_EQ(v[0], 0.0f);
    EXPECT_EQ(v[2], 1.0f);
    EXPECT_EQ(v[3], 0.0f);
    GLint localViewer;
    glGetIntegerv(GL_LIGHT_MODEL_LOCAL_VIEWER, &localViewer);
    EXPECT_EQ(localViewer, 1);
    EXPECT_FALSE(glIsEnabled(GL_LIGHT1));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
}

}  // namespace
