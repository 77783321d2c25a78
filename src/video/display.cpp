// The GL half of the Display: fixed state, projection and screen edges. It runs
// unchanged on any current context, on screen or offscreen.
#include "video/display.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>
#include <string>

#ifndef GL_LIGHT_MODEL_COLOR_CONTROL
#define GL_LIGHT_MODEL_COLOR_CONTROL 0x81F8
#endif
#ifndef GL_SEPARATE_SPECULAR_COLOR
#define GL_SEPARATE_SPECULAR_COLOR 0x81FA
#endif

std::unique_ptr<Display> Display::onCurrentContext(int32_t width, int32_t height) {
    std::unique_ptr<Display> display(new Display());
    display->width = width;
    display->height = height;
    display->depth = 32;
    display->configureContext();
    return display;
}

void Display::configureContext() {
    glEnable(GL_TEXTURE_2D);
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.9f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);

    const GLubyte* extensions = glGetString(GL_EXTENSIONS);
    if (extensions &&
        std::strstr(reinterpret_cast<const char*>(extensions), "GL_EXT_separate_specular_color")) {
        glLightModeli(GL_LIGHT_MODEL_COLOR_CONTROL, GL_SEPARATE_SPECULAR_COLOR);
    }

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnable(GL_TEXTURE_2D);
    setProjection(width, height);
}

void Display::setProjection(int32_t w, int32_t h) {
    if (h == 0) h = 1;
    const float aspect = static_cast<float>(w) / static_cast<float>(h);
    glViewport(0, 0, w, h);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, aspect, static_cast<double>(0.1f), 250.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    GLdouble modelview[16];
    GLdouble projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluUnProject(0.0, 0.0, -1.0, modelview, projection, viewport, &corner.x, &corner.y, &corner.z);
}

void setupLight() {
    const GLfloat ambient[] = {0.7f, 0.7f, 0.7f, 1.0f};
    const GLfloat diffuse[] = {0.6f, 0.6f, 0.6f, 1.0f};
    const GLfloat specular[] = {1.0f, 1.0f, 1.0f, 1.0f};
    const GLfloat constantAttenuation = 0.0f;
    const GLfloat quadraticAttenuation = 0.000001f;
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, 1);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT1, GL_SPECULAR, specular);
    glLightfv(GL_LIGHT1, GL_CONSTANT_ATTENUATION, &constantAttenuation);
    glLightfv(GL_LIGHT1, GL_QUADRATIC_ATTENUATION, &quadraticAttenuation);
}
