#include "support/gl_call_log.h"

#include <GL/gl.h>

namespace {

GlCallLog* active = nullptr;

std::string capName(GLenum cap) {
    switch (cap) {
    case GL_DEPTH_TEST: return "DEPTH_TEST";
    case GL_NORMALIZE: return "NORMALIZE";
    case GL_LIGHTING: return "LIGHTING";
    case GL_BLEND: return "BLEND";
    case GL_ALPHA_TEST: return "ALPHA_TEST";
    case GL_TEXTURE_2D: return "TEXTURE_2D";
    default: break;
    }
    if (cap >= GL_LIGHT0 && cap <= GL_LIGHT7) return "LIGHT" + std::to_string(cap - GL_LIGHT0);
    return std::to_string(cap);
}

}  // namespace

GlCallLog::GlCallLog() {
    active = this;
}

GlCallLog::~GlCallLog() {
    active = nullptr;
}

std::vector<std::string> GlCallLog::stateCalls() const {
    std::vector<std::string> state;
    for (const std::string& call : calls_) {
        if (call.starts_with("enable") || call.starts_with("disable") ||
            call.starts_with("depthMask") || call.starts_with("draw")) {
            state.push_back(call);
        }
    }
    return state;
}

void GlCallLog::record(std::string call) {
    if (active) active->calls_.push_back(std::move(call));
}

// The linker sends the wrapped calls here (-Wl,--wrap=glEnable, ...); the
// __real_ names reach the GL library.
// Nothing is formatted while no log is alive: the steady-state test counts
// every allocation of a frame.
extern "C" {
void __real_glEnable(GLenum cap);
void __real_glDisable(GLenum cap);
void __real_glDepthMask(GLboolean flag);
void __real_glPushMatrix();
void __real_glPopMatrix();
void __real_glLoadMatrixd(const GLdouble* m);
void __real_glTranslatef(GLfloat x, GLfloat y, GLfloat z);
void __real_glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z);
void __real_glScaled(GLdouble x, GLdouble y, GLdouble z);
void __real_glDrawArrays(GLenum mode, GLint first, GLsizei count);
void __real_glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices);

void __wrap_glEnable(GLenum cap) {
    if (active) GlCallLog::record("enable " + capName(cap));
    __real_glEnable(cap);
}
void __wrap_glDisable(GLenum cap) {
    if (active) GlCallLog::record("disable " + capName(cap));
    __real_glDisable(cap);
}
void __wrap_glDepthMask(GLboolean flag) {
    if (active) GlCallLog::record(flag ? "depthMask 1" : "depthMask 0");
    __real_glDepthMask(flag);
}
void __wrap_glPushMatrix() {
    if (active) GlCallLog::record("push");
    __real_glPushMatrix();
}
void __wrap_glPopMatrix() {
    if (active) GlCallLog::record("pop");
    __real_glPopMatrix();
}
void __wrap_glLoadMatrixd(const GLdouble* m) {
    if (active) GlCallLog::record("loadMatrix");
    __real_glLoadMatrixd(m);
}
void __wrap_glTranslatef(GLfloat x, GLfloat y, GLfloat z) {
    if (active) GlCallLog::record("translate");
    __real_glTranslatef(x, y, z);
}
void __wrap_glRotatef(GLfloat angle, GLfloat x, GLfloat y, GLfloat z) {
    if (active) GlCallLog::record("rotate");
    __real_glRotatef(angle, x, y, z);
}
void __wrap_glScaled(GLdouble x, GLdouble y, GLdouble z) {
    if (active) GlCallLog::record("scale");
    __real_glScaled(x, y, z);
}
void __wrap_glDrawArrays(GLenum mode, GLint first, GLsizei count) {
    if (active) GlCallLog::record("draw " + std::to_string(count));
    __real_glDrawArrays(mode, first, count);
}
void __wrap_glDrawElements(GLenum mode, GLsizei count, GLenum type, const void* indices) {
    if (active) GlCallLog::record("draw " + std::to_string(count));
    __real_glDrawElements(mode, count, type, indices);
}
}
