// Display: the video mode and the GL context state the renderer relies on.
//
// The public constructor opens the full-screen OpenGL mode through SDL; the
// offscreen constructor adopts a context someone else made current (EGL in
// tests and tools). Both leave the same fixed GL state:
//   texturing and depth test (GL_LEQUAL) on; smooth shading; clear colour
//   black, clear depth 1; blend function SRC_ALPHA / ONE_MINUS_SRC_ALPHA and
//   alpha function GREATER 0.9 configured but not enabled; lighting off;
//   separate specular colour when the extension is offered; vertex, normal and
//   texture-coordinate arrays enabled for the whole run;
//   projection: 45 degree vertical field of view, near 0.1, far 250.
//
// Units: eye-space scene units; depths are negative in front of the eye.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/gl_renderer.h"

struct EyePoint {
    double x = 0, y = 0, z = 0;
};

class Display {
public:
    // Opens the full-screen mode. All three zero: the desktop's mode. On failure
    // prints "Video initialization failed: ..." or "Video mode set failed: ..."
    // to stderr and ends the process with exit code 1.
    // When a screensaver host named a window of its own (platform/host_window.h)
    // the display draws into that window at its size instead, not full-screen.
    // `multisampling` on asks for 4x multisampled buffers (dropped when the
    // driver has none); off asks for no multisampled buffers at all;
    // automatic asks for them unless the screen's GL is a software rasteriser
    // (platform/gl_renderer.h), where they would halve the frame rate.
    explicit Display(int32_t width, int32_t height, int32_t depth,
                     platform::Multisampling multisampling = platform::Multisampling::automatic);
    // Adopts the GL context current on this thread; no SDL video.
    static std::unique_ptr<Display> onCurrentContext(int32_t width, int32_t height);
    ~Display();
    Display(const Display&) = delete;
    Display& operator=(const Display&) = delete;

    // Viewport and perspective for a w x h area (h 0 counts as 1); recomputes
    // `corner`.
    void setProjection(int32_t w, int32_t h);

    // In a host's window: takes over the window's current size (viewport and
    // projection; the overlays keep the corners they were anchored to at
    // start-up). Does nothing on a display of our own.
    void followHostWindow();
    bool inHostWindow() const { return hostWindow != 0; }
    // True once the host's window can no longer be found (the host has
    // destroyed it); false on a display of our own.
    bool hostWindowGone() const;

    // Left edge (x) and bottom edge (y) of the visible area in the eye-space
    // plane z = d, for d < 0. Their negations are the right and top edges.
    double edgeX(double d) const { return corner.x * d / corner.z; }
    double edgeY(double d) const { return corner.y * d / corner.z; }

    // Eye-space point of the viewport's lower-left corner at window depth -1.
    EyePoint corner;
    int32_t width = 0;
    int32_t height = 0;
    int32_t depth = 0;  // bits per pixel, stored only: the mode is always 32

private:
    Display() = default;
    // The fixed state listed above, in the order the renderer has always set it.
    void configureContext();

    bool ownsVideo = false;  // SDL video was started here and is quit here
    uint64_t hostWindow = 0; // the host's X window we draw into, 0 for our own
    uint64_t ownWindow = 0;  // our own full-screen window (platform/screen_window.h), 0 for SDL's
};

// Configures GL light 1 (ambient 0.7, diffuse 0.6, specular 1, local viewer);
// its position stays the GL default, a light from the viewer along the view
// axis. GL_LIGHT1 and GL_LIGHTING are switched by the lighting hook.
void setupLight();
