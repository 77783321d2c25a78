#include "scene/hooks.h"

#include <GL/gl.h>

#include "scene/render_hook.h"

void hookLighting(int32_t phase, int32_t) {
    if (phase == BeforeMeshes || phase == BeforeChild) {
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT1);
    } else {
        glDisable(GL_LIGHT1);
        glDisable(GL_LIGHTING);
    }
}

void hookNoDepthTest(int32_t phase, int32_t) {
    if (phase == BeforeMeshes || phase == BeforeChild) {
        glDisable(GL_DEPTH_TEST);
    } else {
        glEnable(GL_DEPTH_TEST);
    }
}

void hookBillboard(int32_t phase, int32_t) {
    if (phase == BeforeMeshes) {
        glPushMatrix();
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        for (int column = 0; column < 3; ++column) {
            for (int row = 0; row < 3; ++row) m[column * 4 + row] = column == row ? 1.0 : 0.0;
        }
        glLoadMatrixd(m);
    } else if (phase == AfterMeshes) {
        glPopMatrix();
    }
}

void hookScaleOnScreen(int32_t phase, int32_t value) {
    if (phase == BeforeMeshes || phase == BeforeChild) {
        glPushMatrix();
        // Scaling the eye-space result multiplies the matrix's first two rows.
        const double scale = static_cast<double>(value) / screenScaleOne;
        GLdouble m[16];
        glGetDoublev(GL_MODELVIEW_MATRIX, m);
        for (int column = 0; column < 4; ++column) {
            m[column * 4] *= scale;
            m[column * 4 + 1] *= scale;
        }
        glLoadMatrixd(m);
    } else {
        glPopMatrix();
    }
}
