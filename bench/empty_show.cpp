// empty-show: the floor of the frame-rate benchmark. Opens the display the way
// the screensaver does (the same video mode, GL attributes and fixed state),
// then only clears and swaps, until SIGTERM or Escape.
// With --background it also draws one screen-filling quad textured from a
// 2048 x 1024 image each frame, as the show draws its background (without the
// depth test): the cost of covering the screen once, which no artwork change
// can take away.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include "platform/stop_signals.h"
#include "settings/settings.h"
#include "settings/settings_path.h"
#include "video/display.h"

#include <cstring>
#include <fstream>
#include <vector>

namespace {

GLuint backgroundTexture() {
    const int width = 2048, height = 1024;
    std::vector<unsigned char> pixels(size_t(width) * height * 4);
    for (size_t i = 0; i < pixels.size(); i += 4) {
        const size_t x = (i / 4) % width, y = (i / 4) / width;
        pixels[i] = static_cast<unsigned char>(x / 8);
        pixels[i + 1] = static_cast<unsigned char>(y / 4);
        pixels[i + 2] = static_cast<unsigned char>((x ^ y) & 63);
        pixels[i + 3] = 255;
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    return texture;
}

// The quad in clip space, so it covers the screen whatever the projection;
// without the depth test, as the show draws its background.
void drawScreenQuad() {
    glDisable(GL_DEPTH_TEST);
    static const double corners[] = {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, -1, 0, 1, 1, 0, -1, 1, 0};
    static const double texCoords[] = {0.25, 0, 0.75, 0, 0.75, 1, 0.25, 0, 0.75, 1, 0.25, 1};
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_DOUBLE, 0, corners);
    glTexCoordPointer(2, GL_DOUBLE, 0, texCoords);
    glDrawArrays(GL_TRIANGLES, 0, 6);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
}

}  // namespace

int main(int argc, char** argv) {
    const bool background = argc > 1 && std::strcmp(argv[1], "--background") == 0;
    std::ifstream file(settingsFilePath(), std::ios::binary);
    const Settings settings = file ? Settings(file) : Settings();
    platform::installStopSignals();
    Display* display = new Display(settings.screenWidth(), settings.screenHeight(), settings.screenDepth());
    if (background) {
        backgroundTexture();
        glEnable(GL_TEXTURE_2D);
    }
    bool running = true;
    while (running && !platform::stopSignalled()) {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_ESCAPE) running = false;
        }
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        if (background) drawScreenQuad();
        SDL_GL_SwapBuffers();
    }
    delete display;
    return 0;
}
