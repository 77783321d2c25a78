// The SDL half of the Display: starting video, opening the full-screen mode
// (with multisampling when the driver has it) and shutting SDL down.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>

#include <string>

#include "platform/host_window.h"
#include "platform/process.h"
#include "platform/screen_window.h"
#include "video/display.h"
#include "video/sdl_library.h"

#ifndef GL_MULTISAMPLE_ARB
#define GL_MULTISAMPLE_ARB 0x809D
#endif

namespace {

// The host's window drawn into, 0 for one of our own; known to the failure
// path below.
uint64_t hostWindowId = 0;

bool hostWindowExists() {
    int32_t w = 0, h = 0;
    return platform::hostWindowSize(hostWindowId, w, h);
}

// A host that has destroyed its window has stopped us: that is no failure,
// and nothing is said.
[[noreturn]] void failVideo(const char* format) {
    const bool stopped = hostWindowId != 0 && !hostWindowExists();
    if (!stopped) std::fprintf(stderr, format, SDL_GetError());
    SDL_Quit();
    std::exit(stopped ? 0 : 1);
}

void requestGlAttributes(bool multisample, const SdlStartup& startup) {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, multisample ? 1 : 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, multisample ? 4 : 0);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 1);
    if (startup.swapControl >= 0) SDL_GL_SetAttribute(SDL_GL_SWAP_CONTROL, startup.swapControl);
}

// Opens the mode; a driver without multisampling gets a second, plain request.
// In an adopted window (a host's, or our own full-screen one) SDL draws into
// that window: no full-screen mode of its own.
void openMode(int32_t width, int32_t height, bool adopted, bool multisample, const SdlStartup& startup) {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    Uint32 flags = adopted ? SDL_OPENGL : SDL_OPENGL | SDL_FULLSCREEN | SDL_HWSURFACE | SDL_ASYNCBLIT;
    if (!adopted && info && info->blit_hw) flags |= SDL_HWACCEL;
    requestGlAttributes(multisample, startup);
    if (SDL_SetVideoMode(width, height, 32, flags)) {
        // A host's window keeps the host's visual, which may be multisampled
        // whatever was asked for: multisampling is on by default there.
        if (multisample) glEnable(GL_MULTISAMPLE_ARB);
        else glDisable(GL_MULTISAMPLE_ARB);
        return;
    }
    if (startup.restartVideoForPlainRequest && multisample) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) < 0) failVideo("Video initialization failed: %s\n");
        requestGlAttributes(false, startup);
    }
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, startup.plainAcceleratedVisual);
    if (!SDL_SetVideoMode(width, height, 32, flags)) failVideo("Video mode set failed: %s\n");
}

// Hidden as the library does it best. sdl12-compat turns a hidden pointer
// in a grabbed full-screen window into SDL 2's relative mouse mode, whose raw
// motion never sees a pointer moved by XTEST (remote desktops, xdotool), and
// whose warping loses the pointer when a mode change did not happen; an
// invisible cursor hides it just as well and keeps plain motion events.
// Made here, freed with the Display before SDL quits.
SDL_Cursor* invisibleCursor = nullptr;

void hidePointer(const SdlStartup& startup) {
    if (!startup.invisibleCursor) {
        SDL_ShowCursor(SDL_DISABLE);
        return;
    }
    Uint8 clear[8] = {};  // 8 x 8 pixels, no bits set: nothing drawn (SDL copies them)
    invisibleCursor = SDL_CreateCursor(clear, clear, 8, 8, 0, 0);
    if (invisibleCursor) SDL_SetCursor(invisibleCursor);
}

// The show's own window on the platforms that make one, where the video
// driver is the window system's (a user's SDL_VIDEODRIVER naming another
// gets that library's own full screen).
// `multisample` becomes what the window's visual was asked for.
uint64_t openOwnWindow(int32_t& width, int32_t& height, platform::Multisampling multisampling, bool& multisample,
                       const char* windowSystem) {
    const char* userDriver = std::getenv("SDL_VIDEODRIVER");
    if (userDriver && (!windowSystem || std::string(userDriver) != windowSystem)) return 0;
    platform::ScreenWindow window;
    if (!platform::openScreenWindow(width, height, multisampling, window)) return 0;
    width = window.width;
    height = window.height;
    multisample = window.multisample;
    return window.id;
}

}  // namespace

Display::Display(int32_t width, int32_t height, int32_t depth, platform::Multisampling multisampling) {
    // A host's window keeps what it was asked for before; a full screen
    // multisamples as its renderer suits (our own window asks it itself).
    bool multisample = multisampling != platform::Multisampling::off;
    platform::HostWindow host;
    switch (platform::findHostWindow(host)) {
    case platform::HostWindowState::Found:
        hostWindow = hostWindowId = host.id;
        // Before SDL starts, so that its own error handler chains to the watch.
        platform::stopWhenHostWindowGoes();
        break;
    case platform::HostWindowState::Gone:
        // The host stopped us before we began: no window of our own instead.
        std::exit(0);
    case platform::HostWindowState::NotNamed:
        break;
    }
    // What each SDL 1.2 library needs to give the same show is set before it
    // starts and reads it.
    SdlRequest request;
    request.hostWindowId = hostWindow;
    request.windowSystem = platform::windowSystemVideoDriver();
    const char* allowScreensaver = std::getenv("SDL_VIDEO_ALLOW_SCREENSAVER");
    request.screensaverLaunch = allowScreensaver && std::string(allowScreensaver) == "1";
    if (hostWindow != 0) {
        width = host.width;
        height = host.height;
        depth = 32;
    }
    const bool desktopMode = hostWindow == 0 && width == 0 && height == 0 && depth == 0;
    // 0 x 0: the whole screen, whose size the window tells.
    if (hostWindow == 0) {
        request.ownWindowId = ownWindow = openOwnWindow(width, height, multisampling, multisample, request.windowSystem);
        if (ownWindow == 0) multisample = platform::wantsMultisampling(multisampling, platform::screenGlRenderer());
    }
    const SdlStartup startup = sdlStartup(linkedSdlLibrary(), request);
    for (const std::string& assignment : startup.environment) platform::putEnvironment(assignment);
    if (SDL_Init(SDL_INIT_VIDEO) < 0) failVideo("Video initialization failed: %s\n");
    ownsVideo = true;
    if (desktopMode) {
        const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
        if (ownWindow == 0) {
            width = desktop->current_w;
            height = desktop->current_h;
        }
        depth = desktop->vfmt->BitsPerPixel;
    }
    this->width = width;
    this->height = height;
    this->depth = depth;
    const bool adopted = hostWindow != 0 || ownWindow != 0;
    openMode(width, height, adopted, multisample, startup);
    configureContext();
    // In a host's window the pointer is the host's to show or hide; our own
    // window has an invisible one already.
    if (!adopted) hidePointer(startup);
}

void Display::followHostWindow() {
    if (hostWindow == 0) return;
    int32_t w = 0, h = 0;
    if (!platform::hostWindowSize(hostWindow, w, h) || (w == width && h == height)) return;
    width = w;
    height = h;
    setProjection(w, h);
}

bool Display::hostWindowGone() const {
    return hostWindow != 0 && !hostWindowExists();
}

Display::~Display() {
    if (invisibleCursor) SDL_FreeCursor(invisibleCursor);
    invisibleCursor = nullptr;
    if (ownsVideo) SDL_Quit();
    // SDL has let it go.
    if (ownWindow != 0) platform::closeScreenWindow();
    hostWindowId = 0;
}
