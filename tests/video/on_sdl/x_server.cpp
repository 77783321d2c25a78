// What the X server offers, asked apart from the tests: Xlib's macros
// (Display, None, Bool) clash with the show's names and with GoogleTest's.
#include <GL/glx.h>
#include <X11/Xlib.h>

bool xScreenSize(int& width, int& height) {
    ::Display* x = XOpenDisplay(nullptr);
    if (!x) return false;
    width = DisplayWidth(x, DefaultScreen(x));
    height = DisplayHeight(x, DefaultScreen(x));
    XCloseDisplay(x);
    return true;
}

// Whether the server has a double-buffered, 4x multisampled visual of the
// kind the show asks for (Mesa's software visuals differ between releases).
bool xHasMultisampledVisual() {
    ::Display* x = XOpenDisplay(nullptr);
    if (!x) return false;
    const int attributes[] = {GLX_RED_SIZE, 8, GLX_GREEN_SIZE, 8, GLX_BLUE_SIZE, 8, GLX_DEPTH_SIZE, 24,
                              GLX_DOUBLEBUFFER, True, GLX_SAMPLE_BUFFERS, 1, GLX_SAMPLES, 4, None};
    int count = 0;
    GLXFBConfig* configs = glXChooseFBConfig(x, DefaultScreen(x), attributes, &count);
    if (configs) XFree(configs);
    XCloseDisplay(x);
    return count > 0;
}

// Whether another client gets the keyboard and pointer grabs a locker asks
// for (i3lock, xss-lock's lockers): nothing of the show may hold them.
bool xOtherClientCanGrab() {
    ::Display* x = XOpenDisplay(nullptr);
    if (!x) return false;
    const Window root = DefaultRootWindow(x);
    const int keyboard = XGrabKeyboard(x, root, True, GrabModeAsync, GrabModeAsync, CurrentTime);
    const int pointer = XGrabPointer(x, root, False, ButtonPressMask, GrabModeAsync, GrabModeAsync, None, None,
                                     CurrentTime);
    XCloseDisplay(x);  // lets both go
    return keyboard == GrabSuccess && pointer == GrabSuccess;
}
