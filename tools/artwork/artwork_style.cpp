#include "artwork_style.h"

#include "palette.h"
#include "shapes.h"

void drawPanel(Canvas& canvas, const PanelStyle& s) {
    Mask body(canvas.grid);
    body.add([&](double x, double y) {
        return roundedBoxDistance(x, y, s.cx, s.cy, s.halfWidth, s.halfHeight, s.radius);
    });
    if (s.shadowRadius > 0) {
        canvas.fill(blurred(shifted(body, s.shadowDrop, -s.shadowDrop), s.shadowRadius),
                    palette::shadow);
    }
    // A gentle vertical gradient: a little lighter at the top.
    const double top = s.cy + s.halfHeight, height = 2 * s.halfHeight;
    canvas.fill(body, [&](double, double y) {
        const double t = (top - y) / height;
        return withAlpha(mix(rgb(0x3d1026), palette::plum, t), s.fillOpacity);
    });
    Mask rim(canvas.grid);
    rim.add([&](double x, double y) {
        const double d = roundedBoxDistance(x, y, s.cx, s.cy, s.halfWidth, s.halfHeight, s.radius);
        return std::fabs(d + s.rimWidth) - s.rimWidth / 2;
    });
    canvas.fill(rim, [&](double, double y) {
        const double t = (top - y) / height;
        return withAlpha(mix(palette::amber, palette::rose, t), 0.75f);
    });
}

void drawText(Canvas& canvas, const TextStyle& s, const std::string& text, double x,
              double baselineY, Align align) {
    Mask glyphs(canvas.grid);
    s.font->draw(glyphs, text, x, baselineY, s.em, align);
    if (s.shadowRadius > 0) {
        canvas.fill(blurred(shifted(glyphs, s.em * 0.03, -s.em * 0.05), s.shadowRadius),
                    rgb(0x000000), s.shadowOpacity);
    }
    if (s.glowRadius > 0) canvas.fill(blurred(glyphs, s.glowRadius), s.glowColour, s.glowOpacity);
    canvas.fill(glyphs, s.colour);
}

double centredBaseline(const Font& font, double em, double centreY) {
    return centreY - font.capHeight() * em / 2;
}
