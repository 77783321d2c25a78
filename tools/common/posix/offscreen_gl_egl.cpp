// OffscreenGl on EGL's surfaceless platform (Mesa's EGL_MESA_platform_surfaceless):
// a desktop OpenGL compatibility context on Mesa's software rasteriser with no
// window, no X server and no GPU, drawing into a framebuffer object of its own
// (RGBA8 colour, 24-bit depth with 8-bit stencil), read back with glReadPixels.
// Mesa dropped OSMesa in 25.1; this is what stands in its place.
#include "common/offscreen_gl.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstddef>

namespace {

// The framebuffer-object entry points, which libOpenGL need not export by
// name on every system: asked of EGL once.
struct FramebufferCalls {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer;
    PFNGLGENRENDERBUFFERSPROC genRenderbuffers;
    PFNGLBINDRENDERBUFFERPROC bindRenderbuffer;
    PFNGLRENDERBUFFERSTORAGEPROC renderbufferStorage;
    PFNGLFRAMEBUFFERRENDERBUFFERPROC framebufferRenderbuffer;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers;
    PFNGLDELETERENDERBUFFERSPROC deleteRenderbuffers;

    bool load() {
        genFramebuffers = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(eglGetProcAddress("glGenFramebuffers"));
        bindFramebuffer = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(eglGetProcAddress("glBindFramebuffer"));
        genRenderbuffers = reinterpret_cast<PFNGLGENRENDERBUFFERSPROC>(eglGetProcAddress("glGenRenderbuffers"));
        bindRenderbuffer = reinterpret_cast<PFNGLBINDRENDERBUFFERPROC>(eglGetProcAddress("glBindRenderbuffer"));
        renderbufferStorage =
            reinterpret_cast<PFNGLRENDERBUFFERSTORAGEPROC>(eglGetProcAddress("glRenderbufferStorage"));
        framebufferRenderbuffer =
            reinterpret_cast<PFNGLFRAMEBUFFERRENDERBUFFERPROC>(eglGetProcAddress("glFramebufferRenderbuffer"));
        checkFramebufferStatus =
            reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(eglGetProcAddress("glCheckFramebufferStatus"));
        deleteFramebuffers = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(eglGetProcAddress("glDeleteFramebuffers"));
        deleteRenderbuffers =
            reinterpret_cast<PFNGLDELETERENDERBUFFERSPROC>(eglGetProcAddress("glDeleteRenderbuffers"));
        return genFramebuffers && bindFramebuffer && genRenderbuffers && bindRenderbuffer && renderbufferStorage &&
               framebufferRenderbuffer && checkFramebufferStatus && deleteFramebuffers && deleteRenderbuffers;
    }
};
FramebufferCalls fb;

// What the context owns besides the EGL context itself.
struct EglTarget {
    EGLDisplay display = EGL_NO_DISPLAY;
    GLuint framebuffer = 0;
    GLuint renderbuffers[2] = {};  // colour, depth and stencil
};

EGLDisplay surfacelessDisplay() {
    auto getPlatformDisplay =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!getPlatformDisplay) return EGL_NO_DISPLAY;
    EGLDisplay display = getPlatformDisplay(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major = 0, minor = 0;
    if (display == EGL_NO_DISPLAY || !eglInitialize(display, &major, &minor)) return EGL_NO_DISPLAY;
    return display;
}

// The framebuffer object the context draws into, bound for drawing and reading.
bool bindTarget(EglTarget& target, int32_t width, int32_t height) {
    fb.genFramebuffers(1, &target.framebuffer);
    fb.bindFramebuffer(GL_FRAMEBUFFER, target.framebuffer);
    fb.genRenderbuffers(2, target.renderbuffers);
    fb.bindRenderbuffer(GL_RENDERBUFFER, target.renderbuffers[0]);
    fb.renderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
    fb.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, target.renderbuffers[0]);
    fb.bindRenderbuffer(GL_RENDERBUFFER, target.renderbuffers[1]);
    fb.renderbufferStorage(GL_RENDERBUFFER, GL_DEPTH24_STENCIL8, width, height);
    fb.framebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_STENCIL_ATTACHMENT, GL_RENDERBUFFER, target.renderbuffers[1]);
    fb.bindRenderbuffer(GL_RENDERBUFFER, 0);
    glViewport(0, 0, width, height);
    return fb.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

}  // namespace

OffscreenGl::OffscreenGl(int32_t width, int32_t height)
    : width_(width), height_(height), buffer_(static_cast<size_t>(width) * height * 4) {
    auto* target = new EglTarget;
    target->display = surfacelessDisplay();
    EGLContext context = EGL_NO_CONTEXT;
    const EGLint attributes[] = {EGL_CONTEXT_OPENGL_PROFILE_MASK, EGL_CONTEXT_OPENGL_COMPATIBILITY_PROFILE_BIT,
                                 EGL_NONE};
    if (target->display != EGL_NO_DISPLAY && eglBindAPI(EGL_OPENGL_API)) {
        // No config: the context draws only into its framebuffer object
        // (EGL_KHR_no_config_context, EGL_KHR_surfaceless_context).
        context = eglCreateContext(target->display, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, attributes);
    }
    if (context != EGL_NO_CONTEXT && eglMakeCurrent(target->display, EGL_NO_SURFACE, EGL_NO_SURFACE, context) &&
        fb.load() && bindTarget(*target, width, height)) {
        context_ = context;
        window_ = target;
        return;
    }
    if (context != EGL_NO_CONTEXT) eglDestroyContext(target->display, context);
    delete target;
}

OffscreenGl::~OffscreenGl() {
    if (!context_) return;
    auto* target = static_cast<EglTarget*>(window_);
    if (makeCurrent()) {
        fb.deleteFramebuffers(1, &target->framebuffer);
        fb.deleteRenderbuffers(2, target->renderbuffers);
    }
    eglMakeCurrent(target->display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    // The display stays initialised: every context of the process shares it.
    eglDestroyContext(target->display, static_cast<EGLContext>(context_));
    delete target;
}

bool OffscreenGl::makeCurrent() {
    if (!context_) return false;
    auto* target = static_cast<EglTarget*>(window_);
    if (!eglMakeCurrent(target->display, EGL_NO_SURFACE, EGL_NO_SURFACE, static_cast<EGLContext>(context_))) {
        return false;
    }
    fb.bindFramebuffer(GL_FRAMEBUFFER, target->framebuffer);
    return true;
}

void OffscreenGl::finishFrame() const {
    glFinish();
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, buffer_.data());
}
