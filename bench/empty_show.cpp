// empty-show: the floor of the frame-rate benchmark. Opens the display the way
// the screensaver does (the same video mode, GL attributes and fixed state),
// then only clears and swaps, until SIGTERM or Escape.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include "platform/host_window.h"
#include "settings/settings.h"
#include "settings/settings_path.h"
#include "video/display.h"

#include <fstream>

int main(int, char**) {
    std::ifstream file(settingsFilePath(), std::ios::binary);
    const Settings settings = file ? Settings(file) : Settings();
    platform::installStopSignals();
    Display* display = new Display(settings.screenWidth(), settings.screenHeight(), settings.screenDepth());
    bool running = true;
    while (running && !platform::stopSignalled()) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) running = false;
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        SDL_GL_SwapBuffers();
    }
    delete display;
    return 0;
}
