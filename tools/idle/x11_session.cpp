#include "x11_session.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/XRes.h>
#include <X11/extensions/scrnsaver.h>
#include <glib-unix.h>

namespace {

int ignoreErrors(::Display*, XErrorEvent*) {
    return 0;
}

long windowPid(::Display* display, Window window) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    long pid = 0;
    const Atom property = XInternAtom(display, "_NET_WM_PID", False);
    if (XGetWindowProperty(display, window, property, 0, 1, False, XA_CARDINAL, &type, &format, &count, &after,
                           &data) == Success &&
        data && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);  // Xlib hands 32-bit items over as long
    }
    if (data) XFree(data);
    return pid;
}

bool hasStringProperty(::Display* display, Window window, Atom property) {
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    const bool has = XGetWindowProperty(display, window, property, 0, 16, False, XA_STRING, &type, &format, &count,
                                        &after, &data) == Success &&
                     type == XA_STRING;
    if (data) XFree(data);
    return has;
}

}  // namespace

X11Session::X11Session(SessionEvents& events) : events(events) {
    if (!g_getenv("DISPLAY")) return;
    display = XOpenDisplay(nullptr);
    if (!display) return;
    // The windows asked about may have gone since (a client leaving): their
    // errors are no fault of the watcher's.
    XSetErrorHandler(ignoreErrors);
    int errorBase = 0;
    const Window root = DefaultRootWindow(display);
    if (XScreenSaverQueryExtension(display, &saverEventBase, &errorBase)) {
        XScreenSaverSelectInput(display, root, ScreenSaverNotifyMask);
    }
    XSelectInput(display, root, SubstructureNotifyMask);
    XFlush(display);
    fdWatch = g_unix_fd_add(ConnectionNumber(display), G_IO_IN, readable, this);
}

X11Session::~X11Session() {
    if (fdWatch) g_source_remove(fdWatch);
    if (display) XCloseDisplay(display);
}

// Each suspension is a "SaverSuspend" resource of the client that asked (the
// server names resource types by atoms it makes as it answers).
bool X11Session::screensaverSuspended() {
    int major = 0, minor = 0;
    if (!display || !XResQueryExtension(display, &major, &minor)) return false;
    const Atom suspension = XInternAtom(display, "SaverSuspend", False);
    int clientCount = 0;
    XResClient* clients = nullptr;
    bool suspended = false;
    if (XResQueryClients(display, &clientCount, &clients)) {  // Xlib status: non-zero is success
        for (int i = 0; i < clientCount && !suspended; ++i) {
            int typeCount = 0;
            XResType* types = nullptr;
            if (!XResQueryClientResources(display, clients[i].resource_base, &typeCount, &types)) continue;
            for (int t = 0; t < typeCount; ++t) {
                if (types[t].resource_type == suspension && types[t].count > 0) suspended = true;
            }
            XFree(types);
        }
        XFree(clients);
    }
    return suspended;
}

// XScreenSaver's daemon marks a window of its own, a child of the root, with
// its version (where xscreensaver-command looks for it).
bool X11Session::xscreensaverRuns() {
    if (!display) return false;
    const Atom version = XInternAtom(display, "_SCREENSAVER_VERSION", True);
    if (version == None) return false;
    bool runs = false;
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        for (unsigned int i = 0; i < count && !runs; ++i) runs = hasStringProperty(display, children[i], version);
    }
    if (children) XFree(children);
    return runs;
}

void X11Session::watchShow(pid_t pid) {
    showPid = pid;
}

gboolean X11Session::readable(gint, GIOCondition, gpointer data) {
    static_cast<X11Session*>(data)->handleEvents();
    return G_SOURCE_CONTINUE;
}

void X11Session::handleEvents() {
    while (XPending(display) > 0) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == saverEventBase + ScreenSaverNotify) {
            const auto* notify = reinterpret_cast<const XScreenSaverNotifyEvent*>(&event);
            if (notify->state == ScreenSaverOn) events.hidden("the screen was blanked or the displays put to sleep");
        } else if (event.type == MapNotify && showPid != 0 && event.xmap.override_redirect &&
                   windowPid(display, event.xmap.window) == showPid) {
            // The show's window: told when something covers it.
            XSelectInput(display, event.xmap.window, VisibilityChangeMask);
        } else if (event.type == VisibilityNotify && showPid != 0 && event.xvisibility.state == VisibilityFullyObscured) {
            events.hidden("a window covers the show (a lock screen)");
        }
    }
}
