// The Display on the real SDL 1.2 the test runs on, on a real X server: the
// library is told apart as the test's wrapper says (AMBER_TEST_SDL: classic,
// compat or sdl3), and each library gives the same video: the whole X screen,
// drawn straight into the window, with the samples asked for where the
// server has them.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "video/display.h"
#include "video/sdl_library.h"

#ifndef GL_FRAMEBUFFER_BINDING
#define GL_FRAMEBUFFER_BINDING 0x8CA6
#endif

// x_server.cpp
bool xScreenSize(int& width, int& height);
bool xHasMultisampledVisual();

namespace {

// The text --version prints from it is checked by app/e2e_launch.sh.
TEST(SdlLibrary, TellsTheLinkedLibraryApart) {
    const SdlLibrary library = linkedSdlLibrary();
    const std::string expected = std::getenv("AMBER_TEST_SDL") ? std::getenv("AMBER_TEST_SDL") : "classic";
    EXPECT_EQ(library.compat, expected != "classic");
    EXPECT_EQ(library.sdl2.known(), expected != "classic");
    EXPECT_EQ(library.sdl3.known(), expected == "sdl3");
}

TEST(SdlLibrary, FullScreenIsTheWholeScreenDrawnDirectly) {
    int screenWidth = 0, screenHeight = 0;
    ASSERT_TRUE(xScreenSize(screenWidth, screenHeight)) << "needs an X server";
    const bool serverMultisamples = xHasMultisampledVisual();
    const SdlStartup startup = sdlStartup(linkedSdlLibrary(), {0, "x11"});

    for (const bool multisample : {true, false}) {
        SCOPED_TRACE(multisample ? "multisampled" : "plain");
        Display display(0, 0, 0, multisample);
        EXPECT_EQ(display.width, screenWidth);
        EXPECT_EQ(display.height, screenHeight);
        GLint framebuffer = -1, samples = -1;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
        glGetIntegerv(GL_SAMPLES, &samples);
        EXPECT_EQ(framebuffer, 0) << "drawn into an offscreen buffer, not the window";
        EXPECT_EQ(samples > 0, multisample && serverMultisamples) << samples << " samples";
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE, startup.invisibleCursor);
    }
}

}  // namespace
