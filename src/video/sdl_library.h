// The SDL 1.2 this process runs on, and what the Display asks of it.
//
// Two libraries answer to "SDL 1.2": classic SDL 1.2.15, and sdl12-compat
// (1.2.50 and later), the SDL 1.2 interface over SDL 2 or over sdl2-compat on
// SDL 3, which is what today's distributions ship. Left to their defaults they
// give different shows: sdl12-compat draws OpenGL into an offscreen buffer of
// the size first asked for and scales it into the window (a host's window that
// grows is no longer followed, and the buffer's samples replace the window's),
// turns the swap interval off, adopts a host's window for OpenGL only when
// told to, and inhibits the desktop's screensaver unless told not to. This
// unit tells the libraries apart, once, and says what to ask of each so that
// the rest of the program never needs to know which it has.
#pragma once

#include <string>
#include <vector>

struct SdlVersion {
    int major = 0, minor = 0, patch = 0;
    bool known() const { return major != 0; }
};

struct SdlLibrary {
    bool compat = false;  // sdl12-compat rather than classic SDL 1.2
    SdlVersion sdl12;     // SDL_Linked_Version: 1.2.15, or sdl12-compat's 1.2.5x..
    SdlVersion sdl2;      // under sdl12-compat: the SDL 2 it loaded (sdl2-compat's own version over SDL 3)
    SdlVersion sdl3;      // under sdl2-compat: the SDL 3 beneath it
};

// The library linked at run time; needs no video and no display.
SdlLibrary linkedSdlLibrary();

// For --version and bug reports: "classic 1.2.15", "sdl12-compat 1.2.68 over
// SDL 2.32.4", "sdl12-compat 1.2.68 over sdl2-compat 2.32.54 on SDL 3.2.10".
std::string describeSdlLibrary(const SdlLibrary& library);

// What the show needs of the video: where it draws, and who started it.
struct SdlRequest {
    unsigned long long hostWindowId = 0;  // the host's window to draw into; 0 for a window of our own
    const char* windowSystem = nullptr;   // SDL's video driver for the platform's windows; null: SDL's choice
    // Started as the screensaver by our own launcher (/s, the idle watcher),
    // which says so with SDL_VIDEO_ALLOW_SCREENSAVER=1 in the environment.
    bool screensaverLaunch = false;
    // The show's own full-screen window (platform/screen_window.h) to draw
    // into; 0 for the library's own full-screen mode.
    unsigned long long ownWindowId = 0;
};

// Whether the show holds off the desktop's screensaver, screen lock and
// display sleep while it runs: only when a user started it full screen by
// hand, as a show to watch. Started as the screensaver (/s, the idle
// watcher) or in a host's window, the desktop's own timers must still lock
// the screen and put the display to sleep.
bool holdsOffScreensaver(const SdlRequest& request);

// What the Display asks of the library it runs on.
struct SdlStartup {
    // "NAME=value" put into the environment before SDL_Init, where each
    // library reads them.
    std::vector<std::string> environment;
    // SDL_GL_SWAP_CONTROL; -1 leaves it unasked (the driver's default).
    int swapControl = -1;
    // SDL_GL_ACCELERATED_VISUAL for the second, plain mode request made when
    // the first one (with multisampling) fails.
    int plainAcceleratedVisual = 0;
    // Restart video before a plain request that follows a multisampled one:
    // sdl12-compat hands the samples on to SDL 2 and never takes them back,
    // so on a server without multisampled visuals the plain request would
    // fail too.
    bool restartVideoForPlainRequest = false;
    // Hide the pointer with an invisible cursor rather than SDL_ShowCursor.
    bool invisibleCursor = false;
};

// The window system's driver is asked for when the user has not named one in
// SDL_VIDEODRIVER, and always in a host's window: a host hands over an X
// window, which no other driver (Wayland's) can draw into.
SdlStartup sdlStartup(const SdlLibrary& library, const SdlRequest& request);
