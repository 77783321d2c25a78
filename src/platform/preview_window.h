// The preview window: a child window that fills a host's preview area and
// shows a still picture in it until the host destroys the area.
//
// On X11 the parent is an X window id; the child copies its visual. Nothing
// here knows where the picture comes from: the caller measures the area with
// openPreviewWindow, decides the pixels, and hands them to runPreviewWindow.
// X errors (a parent that does not exist or vanishes, a child that cannot be
// made) never end the process abnormally; a lost display connection ends it
// with exit code 0, as the mode does.
#pragma once

#include <cstdint>

namespace platform {

struct PreviewWindow;

// Opens the display, measures the parent's client area (`width` x `height`
// pixels, taken once, here) and makes a visible child window of that size at
// its top-left corner. Null, with nothing left open, when there is no display,
// the parent does not exist or the child cannot be made.
PreviewWindow* openPreviewWindow(uint32_t parent, int32_t& width, int32_t& height);

// Shows `pixels` (0xRRGGBB, `width` x `height`, rows top first, placed at the
// window's top-left corner) each time the window is exposed, with one image
// transfer per exposure; the rest of the window keeps its background. Returns
// when the parent (and with it the child) has been destroyed. The pixels are
// copied before the first exposure; width or height 0 shows only background.
void runPreviewWindow(PreviewWindow* window, const uint32_t* pixels, int32_t width, int32_t height);

// Destroys the child if it still exists, closes the display and frees `window`.
void closePreviewWindow(PreviewWindow* window);

}  // namespace platform
