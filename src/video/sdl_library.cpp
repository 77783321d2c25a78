#include "video/sdl_library.h"

#include <SDL/SDL.h>

#include <cstdint>
#include <cstdlib>

#include "platform/loaded_library.h"

namespace {

// sdl12-compat numbers its releases from 1.2.50 on; classic ended at 1.2.15.
constexpr int firstCompatPatch = 50;

struct Sdl2Version {
    uint8_t major, minor, patch;
};
using Sdl2GetVersion = void (*)(Sdl2Version*);
using Sdl3GetVersion = int (*)();

// sdl12-compat loads SDL 2 (and sdl2-compat loads SDL 3) as the process
// starts; both are asked without loading anything, under either system's name.
void* loadedSdlFunction(const char* const* libraryNames) {
    for (const char* const* name = libraryNames; *name; ++name) {
        if (void* function = platform::loadedLibraryFunction(*name, "SDL_GetVersion")) return function;
    }
    return nullptr;
}

std::string dottedVersion(const SdlVersion& version) {
    return std::to_string(version.major) + '.' + std::to_string(version.minor) + '.' +
           std::to_string(version.patch);
}

}  // namespace

SdlLibrary linkedSdlLibrary() {
    SdlLibrary library;
    const SDL_version* linked = SDL_Linked_Version();
    library.sdl12 = {linked->major, linked->minor, linked->patch};
    library.compat = linked->major == 1 && linked->minor == 2 && linked->patch >= firstCompatPatch;
    if (!library.compat) return library;

    static const char* const sdl2Names[] = {"libSDL2-2.0.so.0", "SDL2.dll", nullptr};
    if (auto getVersion = reinterpret_cast<Sdl2GetVersion>(loadedSdlFunction(sdl2Names))) {
        Sdl2Version version{};
        getVersion(&version);
        library.sdl2 = {version.major, version.minor, version.patch};
    }
    static const char* const sdl3Names[] = {"libSDL3.so.0", "SDL3.dll", nullptr};
    if (auto getVersion = reinterpret_cast<Sdl3GetVersion>(loadedSdlFunction(sdl3Names))) {
        const int number = getVersion();  // major * 1000000 + minor * 1000 + patch
        library.sdl3 = {number / 1000000, number / 1000 % 1000, number % 1000};
    }
    return library;
}

std::string describeSdlLibrary(const SdlLibrary& library) {
    if (!library.compat) return "classic " + dottedVersion(library.sdl12);
    std::string text = "sdl12-compat " + dottedVersion(library.sdl12);
    if (library.sdl3.known()) {
        text += " over sdl2-compat " + dottedVersion(library.sdl2) + " on SDL " + dottedVersion(library.sdl3);
    } else if (library.sdl2.known()) {
        text += " over SDL " + dottedVersion(library.sdl2);
    }
    return text;
}

bool holdsOffScreensaver(const SdlRequest& request) {
    return request.hostWindowId == 0 && !request.screensaverLaunch;
}

SdlStartup sdlStartup(const SdlLibrary& library, const SdlRequest& request) {
    SdlStartup startup;
    const bool hosted = request.hostWindowId != 0;
    const unsigned long long window = hosted ? request.hostWindowId : request.ownWindowId;
    // Without the platform's window system there is nothing to show on: the
    // start fails with a message, instead of classic SDL drawing text art on
    // the terminal or SDL 2 drawing into an offscreen buffer nobody sees.
    // The user's own choice stands for a window of our own; SDL 3 reads its
    // own name of the variable, which outranks the one sdl2-compat hands on.
    if (request.windowSystem && (hosted || !std::getenv("SDL_VIDEODRIVER"))) {
        startup.environment.push_back(std::string("SDL_VIDEODRIVER=") + request.windowSystem);
        if (hosted) startup.environment.push_back(std::string("SDL_VIDEO_DRIVER=") + request.windowSystem);
    }
    // SDL holds the screensaver off unless told otherwise; both libraries
    // read this.
    startup.environment.push_back(holdsOffScreensaver(request) ? "SDL_VIDEO_ALLOW_SCREENSAVER=0"
                                                               : "SDL_VIDEO_ALLOW_SCREENSAVER=1");
    // Both libraries adopt the window named here instead of opening one, and
    // neither grabs anything in it.
    if (window != 0) startup.environment.push_back("SDL_WINDOWID=" + std::to_string(window));
    if (!library.compat) return startup;

    if (window != 0) {
        // SDL 2 adopts a foreign window for OpenGL only when told to.
        startup.environment.push_back("SDL_VIDEO_FOREIGN_WINDOW_OPENGL=1");
    } else {
        // The library's own full screen (no X server: a Wayland driver the
        // user chose). It keeps the desktop's mode and asks for no keyboard
        // grab; SDL 3 would otherwise wait for a mode change the display may
        // never make and then give up the window.
        startup.environment.push_back("SDL_VIDEO_X11_XRANDR=0");
        startup.environment.push_back("SDL_VIDEO_X11_XVIDMODE=0");
        startup.environment.push_back("SDL_GRAB_KEYBOARD=0");
    }
    // Draw straight into the window, as classic does: a host's window is
    // followed when it changes size and its own samples count.
    startup.environment.push_back("SDL12COMPAT_OPENGL_SCALING=0");
    startup.invisibleCursor = true;
    // Classic leaves the swap interval to the driver, which syncs to the
    // display's refresh by default; sdl12-compat would switch that off and
    // draw as fast as it can all night.
    startup.swapControl = 1;
    // For SDL 2, 0 asks for a software visual; "don't care" is what the
    // plain request means.
    startup.plainAcceleratedVisual = -1;
    startup.restartVideoForPlainRequest = true;
    return startup;
}
