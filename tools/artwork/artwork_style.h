// Shared looks of the overlays: the typeface, the soft panel behind each
// overlay, and glowing text. All sizes in model units.
#pragma once

#include <string>

#include "canvas.h"
#include "fonts.h"

// The typeface of the whole show: DejaVu Sans in two weights.
struct Typeface {
    Font regular{"DejaVu Sans", "Book"};
    Font bold{"DejaVu Sans", "Bold"};
};

// Supersampling factor of every overlay image.
constexpr int overlaySupersample = 4;

// A translucent rounded panel with a thin rim and a soft drop shadow.
struct PanelStyle {
    double halfWidth = 1, halfHeight = 1, radius = 0.5;
    double cx = 0, cy = 0;
    double rimWidth = 0.08;        // model units
    double shadowRadius = 0.6;     // blur of the shadow
    double shadowDrop = 0.25;      // shadow offset down and right
    float fillOpacity = 0.72f;
};
void drawPanel(Canvas& canvas, const PanelStyle& style);

// Text with a soft glow of `glowColour` around it and a dark shadow under it.
struct TextStyle {
    const Font* font = nullptr;
    double em = 1;
    Colour colour;
    Colour glowColour;
    double glowRadius = 0;   // 0: no glow
    float glowOpacity = 0.6f;
    double shadowRadius = 0; // 0: no shadow
    float shadowOpacity = 0.6f;
};
void drawText(Canvas& canvas, const TextStyle& style, const std::string& text, double x,
              double baselineY, Align align = Align::Centre);

// Baseline that centres the font's capitals and digits on `centreY`.
double centredBaseline(const Font& font, double em, double centreY);
