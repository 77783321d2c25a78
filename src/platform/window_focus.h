// The keyboard focus for the full-screen window of a video library that
// bypasses the window manager (an override-redirect window on X11, which
// sdl12-compat's full screen is: see video/sdl_library.h). No window manager
// gives such a window the focus, so Escape would go to whatever had it.
#pragma once

namespace platform {

// Gives the focus to this process's mapped window that the window manager does
// not manage. Does nothing when there is none, and on Windows.
void focusOwnUnmanagedWindow();

}  // namespace platform
