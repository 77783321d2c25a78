// OffscreenGl for the Windows tests under Wine: a context on a hidden
// window, drawn into its back buffer (never swapped) and read back with
// glReadPixels when a test asks for pixels.
#include <windows.h>

#include <GL/gl.h>

#include <cstddef>

#include "common/offscreen_gl.h"

namespace {

const char className[] = "AmberOffscreenGl";

HWND makeHiddenWindow(int32_t width, int32_t height) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSA windowClass{};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcA;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.lpszClassName = className;
        registered = RegisterClassA(&windowClass) != 0;
    }
    return CreateWindowExA(0, className, className, WS_POPUP, 0, 0, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

}  // namespace

OffscreenGl::OffscreenGl(int32_t width, int32_t height)
    : width_(width), height_(height), buffer_(static_cast<size_t>(width) * height * 4) {
    HWND window = makeHiddenWindow(width, height);
    if (!window) return;
    HDC dc = GetDC(window);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cAlphaBits = 8;
    format.cDepthBits = 24;
    format.cStencilBits = 8;
    const int chosen = ChoosePixelFormat(dc, &format);
    HGLRC context = nullptr;
    if (chosen && SetPixelFormat(dc, chosen, &format)) context = wglCreateContext(dc);
    if (!context || !wglMakeCurrent(dc, context)) {
        if (context) wglDeleteContext(context);
        DestroyWindow(window);
        return;
    }
    glViewport(0, 0, width, height);
    window_ = window;
    context_ = context;
}

OffscreenGl::~OffscreenGl() {
    if (context_) {
        wglMakeCurrent(nullptr, nullptr);
        wglDeleteContext(static_cast<HGLRC>(context_));
    }
    if (window_) DestroyWindow(static_cast<HWND>(window_));
}

bool OffscreenGl::makeCurrent() {
    return context_ && wglMakeCurrent(GetDC(static_cast<HWND>(window_)), static_cast<HGLRC>(context_));
}

void OffscreenGl::finishFrame() const {
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width_, height_, GL_RGBA, GL_UNSIGNED_BYTE, buffer_.data());
}
