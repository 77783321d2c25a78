#include "app/render_mode.h"

#include <SDL/SDL.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>

#include "app/frame_pacer.h"
#include "app/host_options.h"
#include "app/install_directory.h"
#include "app/show.h"
#include "app/show_packages.h"
#include "app/show_status.h"
#include "package/texture_cache.h"
#include "platform/monitor_cover.h"
#include "platform/paths.h"
#include "platform/screen_window.h"
#include "platform/stop_signals.h"
#include "settings/settings.h"
#include "settings/settings_path.h"
#include "video/display.h"

namespace {

// Mouse motion ends the show only after this many milliseconds, so the jolt of
// the saver starting does not end it at once.
constexpr Uint32 mouseGraceMs = 3000;
// How often a host's window is asked for its size.
constexpr Uint32 hostWindowCheckMs = 500;

void handlePointerMotion(Show& show) {
    if (SDL_GetTicks() > mouseGraceMs && show.settings->exitOnMouseMove) beginShutdown(show);
}

void handleEvent(Show& show, const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) beginShutdown(show);
        break;
    case SDL_MOUSEMOTION:
        handlePointerMotion(show);
        break;
    default:
        break;  // buttons, other keys, releases, quit and focus events
    }
}

// Everything the user did since the last frame, wherever it arrived.
void handleInput(Show& show) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) handleEvent(show, event);
    // The pointer on a blacked-out monitor moves as much as on the show's.
    if (platform::pointerMovedOverCovers()) handlePointerMotion(show);
    // Our own full-screen window reads its input itself.
    const platform::ScreenWindowInput input = platform::takeScreenWindowInput();
    if (input.escape) beginShutdown(show);
    if (input.pointerMoved) handlePointerMotion(show);
}

void swapSdlBuffers() {
    SDL_GL_SwapBuffers();
}

}  // namespace

int runRenderMode(const std::string& commandLine) {
    std::ifstream settingsFile;
    const std::string path = settingsFilePath();
    if (!path.empty()) settingsFile.open(path, std::ios::binary);
    textureCache.setBasePath(showDataDirectory());
    // A user's or administrator's own package files come first.
    textureCache.setSkinFolders(platform::skinFolders());
    // The images decode on the idle core while the video mode is set.
    textureCache.prefetchImages({showPackages.begin(), showPackages.end()});

    platform::installStopSignals();
    auto settings = settingsFile.is_open() ? std::make_unique<Settings>(settingsFile) : std::make_unique<Settings>();
    // Read once and let go: Windows cannot replace a file that is held open,
    // and the configuration program saves by replacing it, also mid-show.
    settingsFile.close();
    std::string warnings;
    const HostOptions hostOptions = readHostOptions(commandLine, *settings, warnings);
    std::istringstream lines(warnings);
    for (std::string line; std::getline(lines, line);) std::fprintf(stderr, "amber-bell: %s\n", line.c_str());
    auto display = std::make_unique<Display>(settings->screenWidth(), settings->screenHeight(),
                                             settings->screenDepth(), hostOptions.multisample);
    if (!display->inHostWindow()) platform::coverMonitors(platform::listMonitors());
    FramePacer pacer(frameDelayUs(hostOptions, display->inHostWindow()),
                     unsyncedFrameCapUs(hostOptions, display->inHostWindow()));
    Show show;
    startShow(show, std::move(settings), std::move(display));
    Display& screen = *show.display;

    Uint32 lastSizeCheck = 0;
    while (!showFinished(show)) {
        handleInput(show);
        // A host ends its screensaver with SIGTERM: close down as Escape does.
        if (platform::stopSignalled() && !show.stopRequested) beginShutdown(show);
        // A host that has destroyed its window wants us gone now: the frames
        // that take the scene apart would draw into nothing, and a GL driver
        // may then work on buffers of a size it can no longer learn. The
        // scene is torn down without them.
        if (show.stopRequested && screen.hostWindowGone()) break;
        if (platform::statusRequested() && !show.stopRequested) {
            std::fprintf(stderr, "amber-bell: %s\n", showStatus(show).c_str());
        }
        if (screen.inHostWindow() && SDL_GetTicks() - lastSizeCheck >= hostWindowCheckMs) {
            lastSizeCheck = SDL_GetTicks();
            screen.followHostWindow();
        }
        pacer.waitForNextFrame();
        drawFrame(show, SDL_GetTicks(), swapSdlBuffers);
        // The first frame has made the textures it needs; the rest go.
        if (show.framesDrawn == 1) textureCache.finishPrefetch();
    }

    platform::uncoverMonitors();
    tearDownShow(show);
    return 0;
}
