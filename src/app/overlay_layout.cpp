#include "app/overlay_layout.h"

#include <cmath>

#include "scene/hooks.h"
#include "scene/scene_node.h"
#include "video/display.h"

double overlayScale(int32_t width, int32_t height) {
    const int64_t w = width, h = height;
    if (w <= 0 || h <= 0 || 3 * w >= 4 * h) return 1;
    return std::round(3.0 * w / (4.0 * h) * screenScaleOne) / screenScaleOne;
}

OverlayLayout::OverlayLayout(const Display& display)
    : scale(overlayScale(display.width, display.height)), display(display) {}

double OverlayLayout::edgeX(double d) const {
    return display.edgeX(d) / scale;
}

double OverlayLayout::edgeY(double d) const {
    return display.edgeY(d);
}

double OverlayLayout::keepCorner(double y, double corner) const {
    return y + corner * (1 / scale - 1);
}

void OverlayLayout::fitToScreen(SceneNode& overlay) const {
    if (scale < 1) overlay.addHook(hookScaleOnScreen, static_cast<int32_t>(scale * screenScaleOne));
}
