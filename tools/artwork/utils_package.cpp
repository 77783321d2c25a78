// utils.pak: the frame counter. The fps node sits 5 units right of the left
// edge and 2.5 below the top edge at eye depth -100; its digits are placed at
// x = 0.5, 1.9 and 3.3 (hundreds, tens, units), 1.4 apart, on y = 0. The
// label reads after the number ("60 fps") and carries the backing pill.
#include "packages.h"
#include "palette.h"

namespace {

constexpr double digitEm = 1.9;          // digit advance 0.70 em = 1.33 units
constexpr double digitUnitsPerPixel = 0.045;
constexpr double labelEm = 1.25;
constexpr double labelX = 4.25;          // left end of "fps"
constexpr double labelUnitsPerPixel = 0.036;

Canvas digitImage(const Typeface& type, char digit) {
    const Grid grid = centredGrid(32, 64, digitUnitsPerPixel);
    Canvas canvas(grid.scaled(overlaySupersample));
    TextStyle style{&type.bold, digitEm, palette::honey, palette::amber, 0.22, 0.55f};
    drawText(canvas, style, std::string(1, digit), 0, centredBaseline(type.bold, digitEm, 0));
    return canvas.downsampled(overlaySupersample);
}

Canvas labelImage(const Typeface& type) {
    // The pill spans the three digit places and the label.
    const Grid grid = centredGrid(256, 128, labelUnitsPerPixel, 3.1, 0);
    Canvas canvas(grid.scaled(overlaySupersample));
    PanelStyle pill;
    pill.cx = 3.0;
    pill.halfWidth = 3.95;
    pill.halfHeight = 1.35;
    pill.radius = 1.35;
    pill.rimWidth = 0.07;
    pill.shadowRadius = 0.35;
    pill.shadowDrop = 0.15;
    pill.fillOpacity = 0.6f;
    drawPanel(canvas, pill);
    TextStyle style{&type.regular, labelEm, palette::blush, palette::rose, 0.15, 0.35f};
    drawText(canvas, style, "fps", labelX, centredBaseline(type.bold, digitEm, 0), Align::Left);
    return canvas.downsampled(overlaySupersample);
}

}  // namespace

ArtworkPackage makeUtilsPackage(const Typeface& type, const std::string& imageDump) {
    ArtworkPackage package("utils.pak", imageDump);
    package.addSprite("fps", labelImage(type));
    for (char digit = '0'; digit <= '9'; ++digit) {
        package.addSprite(std::string(1, digit), digitImage(type, digit));
    }
    return package;
}
