#include "platform/screen_window.h"

#include <GL/glx.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <unistd.h>

#include "platform/posix/glx_renderer.h"

namespace platform {
namespace {

using ChooseVisual = XVisualInfo* (*)(::Display*, int, int*);

struct OwnWindow {
    ::Display* display = nullptr;
    Window cover = 0;    // the whole screen, black
    Window picture = 0;  // what the video library draws into, centred in the cover
    Colormap colormap = 0;
    Cursor invisible = 0;
};
OwnWindow own;

// A visual the GL can draw double-buffered with a depth buffer into; the
// screen's default visual when GLX has none to offer (the video library then
// says what is missing).
XVisualInfo chooseVisual(::Display* display, bool multisample) {
    const int screen = DefaultScreen(display);
    XVisualInfo chosen{};
    chosen.visual = DefaultVisual(display, screen);
    chosen.depth = DefaultDepth(display, screen);
    const auto choose = reinterpret_cast<ChooseVisual>(glxFunction("glXChooseVisual"));
    if (!choose) return chosen;
    int sampled[] = {GLX_RGBA, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 24,
                     GLX_DOUBLEBUFFER, GLX_SAMPLE_BUFFERS, 1, GLX_SAMPLES, 4, None};
    int plain[] = {GLX_RGBA, GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 24,
                   GLX_DOUBLEBUFFER, None};
    XVisualInfo* found = multisample ? choose(display, screen, sampled) : nullptr;
    if (!found) found = choose(display, screen, plain);
    if (found) {
        chosen = *found;
        XFree(found);
    }
    return chosen;
}

Cursor invisibleCursor(::Display* display, Window root) {
    static const char noBits[1] = {};
    const Pixmap empty = XCreateBitmapFromData(display, root, noBits, 1, 1);
    XColor black{};
    const Cursor cursor = XCreatePixmapCursor(display, empty, empty, &black, &black, 0, 0);
    XFreePixmap(display, empty);
    return cursor;
}

// Marks a window as this process's, as window managers and tools look for it.
void nameWindow(::Display* display, Window window, const char* className) {
    XClassHint classHint{const_cast<char*>(className), const_cast<char*>(className)};
    XSetClassHint(display, window, &classHint);
    XStoreName(display, window, "Amber Bell");
    const long pid = getpid();
    XChangeProperty(display, window, XInternAtom(display, "_NET_WM_PID", False), XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&pid), 1);
}

Window makeWindow(::Display* display, Window parent, int x, int y, int width, int height, const XVisualInfo& visual,
                  bool cover) {
    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(display, DefaultScreen(display));
    attributes.border_pixel = 0;
    attributes.colormap = own.colormap;
    attributes.override_redirect = True;
    attributes.cursor = own.invisible;
    // Both ask for keys and motion: a key travels up from the picture only as
    // far as the focus window, which a window manager or a tool may move to
    // either of them.
    attributes.event_mask = KeyPressMask | PointerMotionMask | (cover ? StructureNotifyMask : 0);
    const unsigned long mask = CWBackPixel | CWBorderPixel | CWColormap | CWEventMask |
                               (cover ? CWOverrideRedirect | CWCursor : 0);
    return XCreateWindow(display, parent, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height), 0,
                         visual.depth, InputOutput, visual.visual, mask, &attributes);
}

}  // namespace

bool openScreenWindow(int32_t width, int32_t height, Multisampling multisampling, ScreenWindow& window) {
    if (own.display) return false;
    own.display = XOpenDisplay(nullptr);
    if (!own.display) return false;
    ::Display* display = own.display;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);
    const int screenWidth = DisplayWidth(display, screen), screenHeight = DisplayHeight(display, screen);
    if (width <= 0 || height <= 0) {
        width = screenWidth;
        height = screenHeight;
    }
    const bool multisample = wantsMultisampling(multisampling, glxRenderer(display, screen));
    const XVisualInfo visual = chooseVisual(display, multisample);
    own.colormap = XCreateColormap(display, root, visual.visual, AllocNone);
    own.invisible = invisibleCursor(display, root);
    own.cover = makeWindow(display, root, 0, 0, screenWidth, screenHeight, visual, true);
    own.picture = makeWindow(display, own.cover, (screenWidth - width) / 2, (screenHeight - height) / 2, width, height,
                             visual, false);
    nameWindow(display, own.cover, "amber-bell-screen");
    nameWindow(display, own.picture, "amber-bell");
    XMapWindow(display, own.picture);
    XMapRaised(display, own.cover);
    // The focus can go only to a viewable window.
    XEvent event;
    XWindowEvent(display, own.cover, StructureNotifyMask, &event);
    while (event.type != MapNotify) XWindowEvent(display, own.cover, StructureNotifyMask, &event);
    XSetInputFocus(display, own.cover, RevertToParent, CurrentTime);
    XSync(display, False);
    window = {own.picture, width, height, multisample};
    return true;
}

void closeScreenWindow() {
    if (!own.display) return;
    XDestroyWindow(own.display, own.cover);
    XFreeColormap(own.display, own.colormap);
    XFreeCursor(own.display, own.invisible);
    XCloseDisplay(own.display);
    own = {};
}

ScreenWindowInput takeScreenWindowInput() {
    ScreenWindowInput input;
    if (!own.display) return input;
    while (XPending(own.display) > 0) {
        XEvent event;
        XNextEvent(own.display, &event);
        if (event.type == KeyPress && XLookupKeysym(&event.xkey, 0) == XK_Escape) input.escape = true;
        if (event.type == MotionNotify) input.pointerMoved = true;
    }
    return input;
}

}  // namespace platform
