// Preview window on X11: a plain Xlib child window, one XPutImage per exposure.
#include "platform/preview_window.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdlib>
#include <vector>

namespace platform {

struct PreviewWindow {
    Display* display = nullptr;
    Window parent = 0;
    Window child = 0;
    Visual* visual = nullptr;
    int depth = 0;
    bool childAlive = false;
};

namespace {

// Uncovered parts of the area show this, the grey of a classic window frame.
constexpr uint32_t backgroundColour = 0xC8C8C8;

// Xlib reports errors through one process-wide handler; the preview mode is
// the only X client of its process, so a flag is all it needs.
bool xErrorSeen = false;

int recordXError(Display*, XErrorEvent*) {
    xErrorSeen = true;
    return 0;
}

// The host's display went away: there is nothing left to preview into.
int endWithDisplay(Display*) {
    std::exit(0);
}

int lowestSetBit(unsigned long mask) {
    int shift = 0;
    while (shift < 64 && !(mask >> shift & 1)) ++shift;
    return shift;
}

// Scales an 8-bit channel into the bits of `mask`.
unsigned long channel(uint32_t value8, unsigned long mask) {
    if (!mask) return 0;
    const int shift = lowestSetBit(mask);
    const unsigned long maximum = mask >> shift;
    return ((value8 * maximum + 127) / 255) << shift & mask;
}

unsigned long pixelFor(Display* display, Visual* visual, uint32_t rgb) {
    const uint32_t r = rgb >> 16 & 0xFF, g = rgb >> 8 & 0xFF, b = rgb & 0xFF;
    if (visual->c_class == TrueColor || visual->c_class == DirectColor) {
        return channel(r, visual->red_mask) | channel(g, visual->green_mask) |
               channel(b, visual->blue_mask);
    }
    // Colour-mapped screens are long gone; black and white keep the picture legible.
    const int screen = DefaultScreen(display);
    return r * 3 + g * 6 + b >= 128 * 10 ? WhitePixel(display, screen) : BlackPixel(display, screen);
}

// True when an X error arrived since the flag was cleared.
bool failedSinceCleared(Display* display) {
    XSync(display, False);
    return xErrorSeen;
}

}  // namespace

PreviewWindow* openPreviewWindow(uint32_t parent, int32_t& width, int32_t& height) {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return nullptr;
    XSetErrorHandler(recordXError);
    XSetIOErrorHandler(endWithDisplay);
    xErrorSeen = false;

    XWindowAttributes area;
    if (!XGetWindowAttributes(display, parent, &area) || failedSinceCleared(display) ||
        area.c_class != InputOutput) {
        XCloseDisplay(display);
        return nullptr;
    }
    auto* window = new PreviewWindow;
    window->display = display;
    window->parent = parent;
    window->visual = area.visual;
    window->depth = area.depth;
    width = area.width;
    height = area.height;

    // The parent's own destruction is watched too, in case the child's
    // notification is lost with it.
    XSelectInput(display, parent, StructureNotifyMask);
    XSetWindowAttributes attributes{};
    attributes.background_pixel = pixelFor(display, area.visual, backgroundColour);
    attributes.event_mask = ExposureMask | StructureNotifyMask;
    window->child = XCreateWindow(display, parent, 0, 0, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), 0, CopyFromParent, InputOutput,
                                  CopyFromParent, CWBackPixel | CWEventMask, &attributes);
    XStoreName(display, window->child, "Lumivera");
    XClassHint classHint{};
    char className[] = "Lumivera";
    classHint.res_name = className;
    classHint.res_class = className;
    XSetClassHint(display, window->child, &classHint);
    XMapWindow(display, window->child);
    if (failedSinceCleared(display)) {
        closePreviewWindow(window);
        return nullptr;
    }
    window->childAlive = true;
    return window;
}

void runPreviewWindow(PreviewWindow* window, const uint32_t* pixels, int32_t width, int32_t height) {
    Display* display = window->display;
    XImage* image = nullptr;
    std::vector<char> imageBytes;
    if (width > 0 && height > 0) {
        image = XCreateImage(display, window->visual, static_cast<unsigned>(window->depth), ZPixmap,
                             0, nullptr, static_cast<unsigned>(width),
                             static_cast<unsigned>(height), 32, 0);
    }
    if (image) {
        imageBytes.resize(static_cast<size_t>(image->bytes_per_line) * static_cast<size_t>(height));
        image->data = imageBytes.data();
        for (int32_t y = 0; y < height; ++y) {
            for (int32_t x = 0; x < width; ++x) {
                XPutPixel(image, x, y,
                          pixelFor(display, window->visual,
                                   pixels[static_cast<size_t>(y) * static_cast<size_t>(width) +
                                          static_cast<size_t>(x)]));
            }
        }
    }
    GC gc = XCreateGC(display, window->child, 0, nullptr);

    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == Expose && event.xexpose.window == window->child) {
            // A burst of exposures ends with count 0; one transfer covers it.
            if (event.xexpose.count == 0 && image) {
                XPutImage(display, window->child, gc, image, 0, 0, 0, 0,
                          static_cast<unsigned>(width), static_cast<unsigned>(height));
            }
        } else if (event.type == DestroyNotify && (event.xdestroywindow.window == window->child ||
                                                   event.xdestroywindow.window == window->parent)) {
            window->childAlive = false;
            break;
        }
    }

    XFreeGC(display, gc);
    if (image) {
        image->data = nullptr;  // the bytes belong to imageBytes
        XDestroyImage(image);
    }
}

void closePreviewWindow(PreviewWindow* window) {
    if (!window) return;
    if (window->childAlive) XDestroyWindow(window->display, window->child);
    XCloseDisplay(window->display);
    delete window;
}

}  // namespace platform
