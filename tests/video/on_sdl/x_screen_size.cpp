// Kept apart from the tests: Xlib's macros (Display, None, Bool) clash with
// the show's names and with GoogleTest's.
#include <X11/Xlib.h>

bool xScreenSize(int& width, int& height) {
    ::Display* x = XOpenDisplay(nullptr);
    if (!x) return false;
    width = DisplayWidth(x, DefaultScreen(x));
    height = DisplayHeight(x, DefaultScreen(x));
    XCloseDisplay(x);
    return true;
}
