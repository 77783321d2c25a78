#include "app/render_mode.h"

#include <GL/gl.h>
#include <SDL/SDL.h>

#include <fstream>
#include <string>

#include "settings/settings.h"
#include "settings/settings_path.h"
#include "video/display.h"

namespace {

// Mouse motion ends the show only after this many milliseconds, so the jolt of
// the saver starting does not end it at once.
constexpr Uint32 mouseGraceMs = 3000;

struct RenderState {
    Settings* settings = nullptr;
    Display* display = nullptr;
    bool stopRequested = false;
};

void beginShutdown(RenderState& state) {
    state.stopRequested = true;
}

void handleEvent(RenderState& state, const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE) beginShutdown(state);
        break;
    case SDL_MOUSEMOTION:
        if (SDL_GetTicks() > mouseGraceMs && state.settings->exitOnMouseMove) beginShutdown(state);
        break;
    default:
        break;
    }
}

void drawFrame() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -100.0f);
    SDL_GL_SwapBuffers();
}

}  // namespace

int runRenderMode() {
    std::ifstream settingsFile;
    const std::string path = settingsFilePath();
    if (!path.empty()) settingsFile.open(path, std::ios::binary);

    RenderState state;
    state.settings = settingsFile.is_open() ? new Settings(settingsFile) : new Settings();
    state.display = new Display(state.settings->screenWidth(), state.settings->screenHeight(),
                                state.settings->screenDepth());

    while (!state.stopRequested) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) handleEvent(state, event);
        drawFrame();
    }

    delete state.settings;
    delete state.display;
    return 0;
}
