// The show's own full-screen window, where the platform makes one (X11): a
// window over the whole X screen, every monitor, that no window manager
// manages, into which the video library draws as into a screensaver host's
// window. It never grabs the keyboard or the pointer: a locker (i3lock,
// xss-lock's, GNOME's on Xorg) must always be able to grab them to lock the
// screen. It takes the keyboard focus instead, so Escape still reaches the
// show, and reads the keys and pointer motion itself (the video library
// selects no input on a window it did not make).
//
// A picture smaller than the screen sits in the middle of a black screen.
// Where no such window is made (Windows, a session without an X server) the
// video library's own full-screen mode is used.
#pragma once

#include <cstdint>

#include "platform/gl_renderer.h"

namespace platform {

// The window to draw into: its X window id and size in pixels, and whether
// its visual was asked to be multisampled.
struct ScreenWindow {
    uint64_t id = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool multisample = false;
};

// Opens the window, mapped, raised and focused, with an invisible pointer.
// `width` and `height`: the picture's size; 0 x 0 for the whole screen.
// `multisampling`: whether to ask for a visual with 4 samples (where the GL
// offers one; else a plain one), automatic by the screen's renderer
// (wantsMultisampling). False where the platform makes no such window, or
// there is no X display to make it on. One window per process.
bool openScreenWindow(int32_t width, int32_t height, Multisampling multisampling, ScreenWindow& window);

// Destroys it; call after the video library has let it go. Safe without one.
void closeScreenWindow();

// What the user did in the window since the last call: Escape pressed, the
// pointer moved. Reads only what the server has already sent; never blocks.
struct ScreenWindowInput {
    bool escape = false;
    bool pointerMoved = false;
};
ScreenWindowInput takeScreenWindowInput();

}  // namespace platform
