// Show: the render mode's state between start-up and tear-down — the settings,
// the display and the two scene roots — and the frame that draws it. Shared by
// the on-screen render mode (render_mode.cpp), which feeds it SDL's tick count
// and swaps SDL's buffers, and the headless driver (headless_driver.h), which
// steps it on an offscreen context with ticks of its caller's choosing.
#pragma once

#include <cstdint>
#include <memory>

class Display;
class SceneNode;
class Settings;

// Members are destroyed in reverse order: the settings, the roots, then the
// display, as tearDownShow does.
struct Show {
    Show();
    ~Show();
    Show(const Show&) = delete;
    Show& operator=(const Show&) = delete;

    std::unique_ptr<Display> display;      // destroyed last
    std::unique_ptr<SceneNode> overlayRoot;  // calendar, clock, frame counter
    std::unique_ptr<SceneNode> worldRoot;    // background and heart, drawn first
    std::unique_ptr<Settings> settings;
    bool stopRequested = false;
    uint64_t framesDrawn = 0;
};

// Takes the settings and the display, makes the two roots, sets up the light
// and builds the scene from the settings.
void startShow(Show& show, std::unique_ptr<Settings> settings, std::unique_ptr<Display> display);

// One frame at `ticks` milliseconds since the display was made: procedural
// textures, clear, the view 100 units out, the world root, the overlay root,
// the transparent pass, then `swapBuffers`.
void drawFrame(Show& show, uint32_t ticks, void (*swapBuffers)());

// Starts the shutdown phase: both roots close themselves over the next frames.
// Calling it again changes nothing.
void beginShutdown(Show& show);

// True once shutdown was requested and both roots report closed.
bool showFinished(const Show& show);

// Destroys the settings, the world root, the overlay root and the display, in
// that order.
void tearDownShow(Show& show);
