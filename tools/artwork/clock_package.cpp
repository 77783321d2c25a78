// clock.pak: the analog and the digital clock.
//
// The clock node sits exactly on the bottom-right corner of the view (eye
// depth -70 near, -170 far), so everything extends up and left from there.
// Analog: the build moves the node by (-9.3, 9), so the dial is centred 9.3
// left of and 9 above the corner; it is 7.6 in radius. Hands pivot at the
// origin and point up (+Y) at angle 0; they are drawn seconds, minutes,
// hours, so the hub rides on the hour hand.
// Digital: the build moves the node by (-10, 1) (and -5.186 more in the
// 12-hour form); the glyph positions are x = -6.483, -2.498 (hours), 0
// (colon), 2.523, 6.466 (minutes) and 11.432 (AM/PM) on y = 0 of that frame,
// which lies 1 unit above the bottom edge. Glyphs are centred on y = 2.6.
#include <cmath>
#include <string>

#include "packages.h"
#include "palette.h"
#include "shapes.h"

namespace {

// ---- analog --------------------------------------------------------------

constexpr double dialRadius = 7.6;

Canvas dialImage(const Typeface& type) {
    const Grid grid = centredGrid(512, 512, 17.4 / 512);
    Canvas canvas(grid.scaled(2));
    Mask disc(canvas.grid);
    disc.add([](double x, double y) { return circleDistance(x, y, 0, 0, dialRadius); });
    canvas.fill(blurred(shifted(disc, 0.15, -0.2), 0.45), palette::shadow);
    canvas.fill(disc, [](double x, double y) {
        const double r = std::hypot(x, y - 1.5) / dialRadius;
        return withAlpha(mix(rgb(0x4a1530), palette::plum, smooth(0.0, 1.1, r)), 0.78f);
    });
    // Rim: amber above fading to rose below, and a faint inner ring.
    Mask rim(canvas.grid);
    rim.add([](double x, double y) { return ringDistance(x, y, 0, 0, dialRadius - 0.14, 0.14); });
    canvas.fill(rim, [](double, double y) {
        return mix(palette::honey, palette::rose, smooth(dialRadius, -dialRadius, y));
    });
    Mask inner(canvas.grid);
    inner.add([](double x, double y) { return ringDistance(x, y, 0, 0, dialRadius - 0.62, 0.03); });
    canvas.fill(inner, withAlpha(palette::rose, 0.45f));

    // Minute dots, hour bars, and numerals at the quarters.
    Mask dots(canvas.grid), bars(canvas.grid);
    for (int m = 0; m < 60; ++m) {
        const double a = m * M_PI / 30;
        const double sx = std::sin(a), cy = std::cos(a);
        if (m % 5 != 0) {
            dots.add([&](double x, double y) {
                return circleDistance(x, y, sx * 6.7, cy * 6.7, 0.075);
            });
        } else if (m % 15 != 0) {
            bars.add([&](double x, double y) {
                return capsuleDistance(x, y, sx * 5.95, cy * 5.95, sx * 6.75, cy * 6.75, 0.12);
            });
        }
    }
    canvas.fill(dots, withAlpha(palette::cream, 0.6f));
    canvas.fill(blurred(bars, 0.2), palette::amber, 0.5f);
    canvas.fill(bars, palette::honey);
    const double em = 1.85;
    TextStyle numerals{&type.bold, em, palette::cream, palette::amber, 0.25, 0.45f};
    const struct { const char* text; double x, y; } quarters[] = {
        {"12", 0, 5.3}, {"3", 5.4, 0}, {"6", 0, -5.3}, {"9", -5.4, 0}};
    for (const auto& q : quarters) {
        drawText(canvas, numerals, q.text, q.x, centredBaseline(type.bold, em, q.y));
    }
    // Our little mark above the six.
    Mask heart(canvas.grid);
    heart.add([](double x, double y) { return heartDistance(x, y, 0, -3.35, 0.75); });
    canvas.fill(blurred(heart, 0.2), palette::rose, 0.5f);
    canvas.fill(heart, palette::rose);
    return canvas.downsampled(2);
}

// A hand: tapering from `baseRadius` at the pivot to `tipRadius` at
// `length`, with a tail of `tail` behind the pivot and a soft dark halo
// (round, so it looks right at every angle).
void drawHand(Canvas& canvas, double length, double tail, double baseRadius, double tipRadius,
              const Colour& from, const Colour& to) {
    Mask hand(canvas.grid);
    hand.add([&](double x, double y) {
        return taperDistance(x, y, 0, -tail, baseRadius, tipRadius, length + tail);
    });
    canvas.fill(blurred(hand, 0.22), rgb(0x000000), 0.55f);
    canvas.fill(hand, [&](double, double y) { return mix(from, to, smooth(-tail, length, y)); });
}

Canvas hourHandImage() {
    const Grid grid = centredGrid(128, 512, 6.4 / 512, 0, 1.9);
    Canvas canvas(grid.scaled(2));
    drawHand(canvas, 4.4, 0.9, 0.26, 0.13, palette::honey, palette::cream);
    // The hub over all three hands.
    Mask hub(canvas.grid);
    hub.add([](double x, double y) { return circleDistance(x, y, 0, 0, 0.5); });
    canvas.fill(blurred(hub, 0.15), rgb(0x000000), 0.5f);
    canvas.fill(hub, [](double x, double y) {
        return mix(palette::honey, rgb(0xc77a2a), smooth(-0.5, 0.6, std::hypot(x, y) * 2 - 0.3));
    });
    Mask pin(canvas.grid);
    pin.add([](double x, double y) { return circleDistance(x, y, 0, 0, 0.17); });
    canvas.fill(pin, palette::deepRed);
    return canvas.downsampled(2);
}

Canvas minuteHandImage() {
    const Grid grid = centredGrid(64, 512, 9.6 / 512, 0, 2.65);
    Canvas canvas(grid.scaled(2));
    drawHand(canvas, 6.3, 1.1, 0.19, 0.09, palette::honey, palette::cream);
    return canvas.downsampled(2);
}

Canvas secondHandImage() {
    const Grid grid = centredGrid(64, 512, 9.6 / 512, 0, 2.65);
    Canvas canvas(grid.scaled(2));
    Mask hand(canvas.grid);
    hand.add([](double x, double y) { return capsuleDistance(x, y, 0, -1.75, 0, 6.8, 0.055); });
    hand.add([](double x, double y) { return circleDistance(x, y, 0, -1.45, 0.26); });
    hand.add([](double x, double y) { return circleDistance(x, y, 0, 0, 0.3); });
    canvas.fill(blurred(hand, 0.18), rgb(0x000000), 0.5f);
    canvas.fill(blurred(hand, 0.12), palette::rose, 0.35f);
    canvas.fill(hand, rgb(0xff4f74));
    return canvas.downsampled(2);
}

// ---- digital -------------------------------------------------------------

constexpr double glyphCentreY = 2.6;
constexpr double digitEm = 5.4;

TextStyle digitStyle(const Typeface& type) {
    return {&type.bold, digitEm, palette::honey, palette::amber, 0.45, 0.55f, 0, 0};
}

Canvas faceImage(bool withAmPm) {
    const Grid grid = centredGrid(1024, 256, 0.028, withAmPm ? 2.65 : 0, glyphCentreY);
    Canvas canvas(grid.scaled(2));
    PanelStyle panel;
    panel.cx = withAmPm ? 2.65 : 0;
    panel.cy = glyphCentreY;
    panel.halfWidth = withAmPm ? 11.65 : 9.0;
    panel.halfHeight = 2.75;
    panel.radius = 1.3;
    panel.rimWidth = 0.1;
    panel.shadowRadius = 0.5;
    panel.shadowDrop = 0.2;
    drawPanel(canvas, panel);
    return canvas.downsampled(2);
}

Canvas digitImage(const Typeface& type, const std::string& digit) {
    const Grid grid = centredGrid(128, 128, 0.04, 0, glyphCentreY);
    Canvas canvas(grid.scaled(overlaySupersample));
    drawText(canvas, digitStyle(type), digit, 0, centredBaseline(type.bold, digitEm, glyphCentreY));
    return canvas.downsampled(overlaySupersample);
}

Canvas colonImage() {
    const Grid grid = centredGrid(64, 128, 0.04, 0, glyphCentreY);
    Canvas canvas(grid.scaled(overlaySupersample));
    Mask dots(canvas.grid);
    for (double dy : {-0.95, 0.95}) {
        dots.add([&](double x, double y) { return circleDistance(x, y, 0, glyphCentreY + dy, 0.36); });
    }
    canvas.fill(blurred(dots, 0.45), palette::amber, 0.55f);
    canvas.fill(dots, palette::honey);
    return canvas.downsampled(overlaySupersample);
}

Canvas amPmImage(const Typeface& type, const std::string& text) {
    const Grid grid = centredGrid(128, 64, 0.04, 0, glyphCentreY);
    Canvas canvas(grid.scaled(overlaySupersample));
    constexpr double em = 2.2;
    TextStyle style{&type.bold, em, palette::blush, palette::rose, 0.3, 0.5f};
    drawText(canvas, style, text, 0, centredBaseline(type.bold, em, glyphCentreY));
    return canvas.downsampled(overlaySupersample);
}

}  // namespace

ArtworkPackage makeClockPackage(const Typeface& type, const std::string& imageDump) {
    ArtworkPackage package("clock.pak", imageDump);
    package.addSprite("ciferblat", dialImage(type));
    package.addSprite("sec", secondHandImage());
    package.addSprite("min", minuteHandImage());
    package.addSprite("chas", hourHandImage());
    package.addSprite("podlozka", faceImage(false));
    package.addSprite("podlozka_am", faceImage(true));
    for (char digit = '0'; digit <= '9'; ++digit) {
        package.addSprite(std::string(1, digit), digitImage(type, std::string(1, digit)));
    }
    package.addSprite("dot", colonImage());
    package.addSprite("am", amPmImage(type, "AM"));
    package.addSprite("pm", amPmImage(type, "PM"));
    return package;
}
