// Windows cannot name the GL's renderer without a context: a hidden window
// gets one for as long as it takes to ask, before the show's own is made.
// Under Wine this is the host's GL (Mesa's llvmpipe on a machine without a
// GPU); on Windows without a GPU driver, Microsoft's GDI Generic.
#include <windows.h>

#include <GL/gl.h>

#include "platform/gl_renderer.h"

namespace platform {
namespace {

const wchar_t probeClass[] = L"AmberBellRendererProbe";

// The renderer of a context on the window's device context; unknown when no
// format or context can be had.
GlRenderer askWindowsGl(HDC dc) {
    PIXELFORMATDESCRIPTOR wanted = {};
    wanted.nSize = sizeof wanted;
    wanted.nVersion = 1;
    wanted.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    wanted.iPixelType = PFD_TYPE_RGBA;
    wanted.cColorBits = 32;
    wanted.cDepthBits = 24;
    const int format = ChoosePixelFormat(dc, &wanted);
    if (format == 0 || !SetPixelFormat(dc, format, &wanted)) return {};
    const HGLRC context = wglCreateContext(dc);
    if (!context) return {};
    GlRenderer renderer;
    if (wglMakeCurrent(dc, context)) {
        const char* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
        if (name) {
            renderer.known = true;
            renderer.name = name;
            renderer.accelerated = !isSoftwareRendererName(renderer.name);
        }
        wglMakeCurrent(nullptr, nullptr);
    }
    wglDeleteContext(context);
    return renderer;
}

}  // namespace

GlRenderer screenGlRenderer() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass = {};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = probeClass;
    if (!RegisterClassW(&windowClass)) return {};
    // Never shown: no WS_VISIBLE, and destroyed before anything is drawn.
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, probeClass, L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                        instance, nullptr);
    GlRenderer renderer;
    if (window) {
        if (const HDC dc = GetDC(window)) {
            renderer = askWindowsGl(dc);
            ReleaseDC(window, dc);
        }
        DestroyWindow(window);
    }
    UnregisterClassW(probeClass, instance);
    return renderer;
}

}  // namespace platform
