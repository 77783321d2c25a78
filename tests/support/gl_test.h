// GlTest: a test fixture with a real GL context current (offscreen EGL, 64 x 64,
// made once per test program) and the modelview matrix reset to the identity
// before each test.
#pragma once

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <array>

#include "support/offscreen_context.h"

class GlTest : public ::testing::Test {
protected:
    static OffscreenContext& context() {
        static OffscreenContext shared(64, 64);
        return shared;
    }

    void SetUp() override {
        ASSERT_TRUE(context().valid());
        // Fixtures with a context of their own may have run before.
        ASSERT_TRUE(context().makeCurrent());
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
    }

    static std::array<double, 16> modelview() {
        std::array<double, 16> m{};
        glGetDoublev(GL_MODELVIEW_MATRIX, m.data());
        return m;
    }
};
