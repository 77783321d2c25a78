// The Display on the real SDL 1.2 the test runs on, on a real X server: the
// library is told apart as the test's wrapper says (AMBER_TEST_SDL: classic,
// compat or sdl3), and each library gives the same video: the whole X screen,
// drawn straight into the window, with the samples asked for where the
// server has them, and no keyboard or pointer grab.
#include <GL/gl.h>
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "video/display.h"
#include "video/sdl_library.h"

#ifndef GL_FRAMEBUFFER_BINDING
#define GL_FRAMEBUFFER_BINDING 0x8CA6
#endif

// x_server.cpp
bool xScreenSize(int& width, int& height);
bool xHasMultisampledVisual();
bool xOtherClientCanGrab();

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
    // Xvfb draws with Mesa's software rasteriser, and GLX says so before any
    // context: there the automatic choice is no multisampling.
    const platform::GlRenderer renderer = platform::screenGlRenderer();
    EXPECT_TRUE(renderer.known && !renderer.accelerated) << renderer.name;

    using platform::Multisampling;
    for (const Multisampling choice : {Multisampling::on, Multisampling::off, Multisampling::automatic}) {
        SCOPED_TRACE(static_cast<int>(choice));
        const bool multisample = choice == Multisampling::on;
        Display display(0, 0, 0, choice);
        EXPECT_EQ(display.width, screenWidth);
        EXPECT_EQ(display.height, screenHeight);
        GLint framebuffer = -1, samples = -1;
        glGetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
        glGetIntegerv(GL_SAMPLES, &samples);
        EXPECT_EQ(framebuffer, 0) << "drawn into an offscreen buffer, not the window";
        EXPECT_EQ(samples > 0, multisample && serverMultisamples) << samples << " samples";
        EXPECT_TRUE(xOtherClientCanGrab()) << "the show holds the keyboard or the pointer";
    }
}

// What each library is told, by where the show draws and who started it:
// a host's window is always drawn with the X11 driver, whatever the user
// named; only a show started by hand holds the screensaver off; our own
// window is adopted as a host's is, and the library's own full screen (a
// Wayland driver the user chose) asks for no keyboard grab.
TEST(SdlLibrary, StartupByPlaceAndLauncher) {
    const char* before = std::getenv("SDL_VIDEODRIVER");
    const std::string userDriver = before ? before : "";
    setenv("SDL_VIDEODRIVER", "wayland", 1);
    const SdlLibrary compat{true, {1, 2, 68}, {2, 32, 4}, {}};
    const std::vector<std::string> fullScreenOnly = {"SDL_VIDEO_X11_XRANDR=0", "SDL_GRAB_KEYBOARD=0"};
    const struct {
        SdlRequest request;
        std::vector<std::string> present, absent;
    } cases[] = {
        {{0x1200007, "x11", false},
         {"SDL_VIDEODRIVER=x11", "SDL_VIDEO_DRIVER=x11", "SDL_VIDEO_ALLOW_SCREENSAVER=1", "SDL_WINDOWID=18874375"},
         fullScreenOnly},
        {{0, "x11", false, 0x400001},
         {"SDL_VIDEO_ALLOW_SCREENSAVER=0", "SDL_WINDOWID=4194305", "SDL_VIDEO_FOREIGN_WINDOW_OPENGL=1"},
         {"SDL_VIDEODRIVER=x11", "SDL_VIDEO_X11_XRANDR=0", "SDL_GRAB_KEYBOARD=0"}},
        {{0, "x11", true, 0x400001}, {"SDL_VIDEO_ALLOW_SCREENSAVER=1"}, {"SDL_VIDEO_ALLOW_SCREENSAVER=0"}},
        {{0, "x11", false}, fullScreenOnly, {"SDL_VIDEODRIVER=x11", "SDL_VIDEO_DRIVER=x11", "SDL_WINDOWID=0"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.request.hostWindowId + c.request.ownWindowId);
        const std::vector<std::string> environment = sdlStartup(compat, c.request).environment;
        const auto has = [&](const std::string& e) {
            return std::find(environment.begin(), environment.end(), e) != environment.end();
        };
        for (const std::string& e : c.present) EXPECT_TRUE(has(e)) << e;
        for (const std::string& e : c.absent) EXPECT_FALSE(has(e)) << e;
    }
    if (before) setenv("SDL_VIDEODRIVER", userDriver.c_str(), 1);
    else unsetenv("SDL_VIDEODRIVER");
}

}  // namespace
