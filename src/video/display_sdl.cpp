// The SDL half of the Display: starting video, opening the full-screen mode
// (with multisampling when the driver has it) and shutting SDL down.
#include <GL/gl.h>
#include <SDL/SDL.h>

#include <cstdio>
#include <cstdlib>

#include "video/display.h"

#ifndef GL_MULTISAMPLE_ARB
#define GL_MULTISAMPLE_ARB 0x809D
#endif

namespace {

[[noreturn]] void failVideo(const char* format) {
    std::fprintf(stderr, format, SDL_GetError());
    SDL_Quit();
    std::exit(1);
}

void requestGlAttributes() {
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 1);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 4);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 1);
}

// Opens the mode; a driver without multisampling gets a second, plain request.
void openMode(int32_t width, int32_t height) {
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    Uint32 flags = SDL_OPENGL | SDL_FULLSCREEN | SDL_HWSURFACE | SDL_ASYNCBLIT;
    if (info && info->blit_hw) flags |= SDL_HWACCEL;
    requestGlAttributes();
    if (SDL_SetVideoMode(width, height, 32, flags)) {
        glEnable(GL_MULTISAMPLE_ARB);
        return;
    }
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLEBUFFERS, 0);
    SDL_GL_SetAttribute(SDL_GL_MULTISAMPLESAMPLES, 0);
    SDL_GL_SetAttribute(SDL_GL_ACCELERATED_VISUAL, 0);
    if (!SDL_SetVideoMode(width, height, 32, flags)) failVideo("Video mode set failed: %s\n");
}

}  // namespace

Display::Display(int32_t width, int32_t height, int32_t depth) {
    if (SDL_Init(SDL_INIT_VIDEO) < 0) failVideo("Video initialization failed: %s\n");
    ownsVideo = true;
    if (width == 0 && height == 0 && depth == 0) {
        const SDL_VideoInfo* desktop = SDL_GetVideoInfo();
        width = desktop->current_w;
        height = desktop->current_h;
        depth = desktop->vfmt->BitsPerPixel;
    }
    this->width = width;
    this->height = height;
    this->depth = depth;
    openMode(width, height);
    configureContext();
    SDL_ShowCursor(SDL_DISABLE);
}

Display::~Display() {
    if (ownsVideo) SDL_Quit();
}
