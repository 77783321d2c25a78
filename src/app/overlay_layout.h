// Where the overlays (calendar, clock, frame counter) go on screens of any
// shape.
//
// They are anchored to screen corners with the display's edges and keep their
// size in scene units, while the view keeps its height (a 45 degree vertical
// field of view). So on a screen narrower than 4:3 (a tablet held upright, a
// turned monitor) they would take more of its width and run off it. There
// each is drawn at `scale` times its size, toward its own corner, and takes
// the share of the screen's width it takes at 4:3:
//   - it is laid out as on the 4:3 screen of the same height (edgeX / scale);
//   - hookScaleOnScreen draws it at `scale` about the middle of the screen,
//     which brings that layout's sides onto the screen's sides;
//   - it is moved up or down so that its top or bottom corner stays on the
//     screen's (keepCorner).
// At 4:3 and wider the scale is exactly 1: the placements are the display's
// own edges, to the last bit, and no hook is added.
#pragma once

#include <cstdint>

class Display;
class SceneNode;

// 1 at 4:3 and wider; narrower, (width / height) / (4 / 3), in the 1/65536
// steps of hookScaleOnScreen. A size with a side of 0 counts as 4:3.
double overlayScale(int32_t width, int32_t height);

class OverlayLayout {
public:
    explicit OverlayLayout(const Display& display);

    // The display's edges at eye depth d (Display::edgeX, edgeY), the left
    // one widened to 4:3.
    double edgeX(double d) const;
    double edgeY(double d) const;
    // y of an overlay laid out against `corner`, the y of the top or bottom
    // edge at the overlay's own depth, moved so that this corner stays on the
    // screen's once the overlay is drawn at `scale`.
    double keepCorner(double y, double corner) const;
    // Adds hookScaleOnScreen to an overlay's node when the scale is below 1.
    void fitToScreen(SceneNode& overlay) const;

    const double scale;  // overlayScale of the display's size

private:
    const Display& display;
};
