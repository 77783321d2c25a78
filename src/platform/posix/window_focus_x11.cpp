#include "platform/window_focus.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <unistd.h>

namespace platform {
namespace {

// The process id a window's owner wrote into _NET_WM_PID; 0 when none.
long windowPid(::Display* display, Window window, Atom pidAtom) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);  // Xlib hands 32-bit items over as long
    }
    if (data) XFree(data);
    return pid;
}

}  // namespace

void focusOwnUnmanagedWindow() {
    ::Display* display = XOpenDisplay(nullptr);
    if (!display) return;
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count; ++i) {
            XWindowAttributes attributes{};
            if (!XGetWindowAttributes(display, children[i], &attributes) || !attributes.override_redirect ||
                attributes.map_state != IsViewable || windowPid(display, children[i], pidAtom) != getpid()) {
                continue;
            }
            XSetInputFocus(display, children[i], RevertToParent, CurrentTime);
            break;
        }
    }
    if (children) XFree(children);
    XCloseDisplay(display);  // flushes the request
}

}  // namespace platform
