// The Windows pictures share the show's look: the glossy small heart on the
// dark wine ground of the background, amber and rose light around it.
#include "windows_art.h"

#include <cmath>
#include <stdexcept>

#include "common/bmp_writer.h"
#include "common/icon_writer.h"
#include "common/png_writer.h"
#include "common/whole_file.h"
#include "palette.h"
#include "shapes.h"

namespace {

// A glossy heart standing on its point at (cx, cy), `height` to the top of
// its lobes: a deep rim, a rose-to-crimson body and a highlight on the left
// lobe. The rim keeps the outline readable at 16 pixels.
void drawGlossyHeart(Canvas& canvas, double cx, double cy, double height, float opacity = 1) {
    const double rim = height * 0.045;
    Mask body(canvas.grid);
    body.add([&](double x, double y) { return heartDistance(x, y, cx, cy, height); });
    canvas.fill(body, rgb(0x7a0a24), opacity);
    Mask inner(canvas.grid);
    inner.add([&](double x, double y) { return heartDistance(x, y, cx, cy, height) + rim; });
    canvas.fill(inner, [&](double x, double y) {
        const double t = smooth(-0.55, 0.55, ((y - cy) / height - 0.5) - (x - cx) / height * 0.35);
        return mix(rgb(0xc0143c), rgb(0xff7a98), t);
    }, opacity);
    Mask gloss(canvas.grid);
    const double gx = cx - 0.25 * height, gy = cy + 0.72 * height;
    gloss.add([&](double x, double y) {
        return (std::hypot((x - gx) / (0.15 * height), (y - gy) / (0.09 * height)) - 1) * 0.1 * height;
    });
    canvas.fill(blurred(gloss, 0.04 * height), rgb(0xffffff), 0.6f * opacity);
}

// The show's ground: wine at the top fading to night, soft discs of light.
void paintGround(Canvas& canvas) {
    const double top = canvas.grid.top, bottom = canvas.grid.bottom();
    canvas.paint([&](double, double y) { return mix(palette::night, palette::wine, (y - bottom) / (top - bottom)); });
    struct Disc {
        double x, y, radius;
        Colour colour;
    };
    const double w = canvas.grid.right() - canvas.grid.left, h = top - bottom;
    const Disc discs[] = {
        {-0.30, 0.40, 0.16, withAlpha(palette::amber, 0.10f)}, {0.35, 0.22, 0.11, withAlpha(palette::rose, 0.12f)},
        {-0.20, -0.10, 0.09, withAlpha(palette::honey, 0.08f)}, {0.28, -0.35, 0.14, withAlpha(palette::crimson, 0.14f)},
        {-0.38, -0.42, 0.07, withAlpha(palette::amber, 0.10f)}, {0.05, 0.46, 0.06, withAlpha(palette::blush, 0.09f)},
    };
    for (const Disc& disc : discs) {
        Mask mask(canvas.grid);
        const double r = disc.radius * std::min(w, h);
        mask.add([&](double x, double y) { return circleDistance(x, y, disc.x * w, disc.y * h, r); });
        canvas.fill(blurred(mask, r * 0.25), disc.colour);
    }
}

// The welcome and finish pages' picture: the heart with small hearts rising
// from it, the name below.
Canvas sidePicture(const Typeface& type) {
    constexpr int supersample = 4;
    Canvas canvas(centredGrid(164, 314, 1).scaled(supersample));
    paintGround(canvas);
    Mask glow(canvas.grid);
    glow.add([&](double x, double y) { return heartDistance(x, y, 0, 0, 72); });
    canvas.fill(blurred(glow, 16), palette::rose, 0.45f);
    drawGlossyHeart(canvas, 0, 0, 72);
    const struct { double x, y, height; float opacity; } rising[] = {
        {-44, 96, 16, 0.9f}, {36, 112, 12, 0.75f}, {-12, 132, 9, 0.6f}, {50, 60, 8, 0.5f}};
    for (const auto& heart : rising) drawGlossyHeart(canvas, heart.x, heart.y, heart.height, heart.opacity);
    TextStyle title{&type.bold, 19, palette::cream, palette::amber, 3, 0.5f, 2, 0.6f};
    drawText(canvas, title, "Amber Bell", 0, -70);
    TextStyle line{&type.regular, 9.5, palette::blush, palette::rose, 0, 0.6f, 1.5, 0.6f};
    drawText(canvas, line, "a screensaver", 0, -88);
    return canvas.downsampled(supersample);
}

// The header picture sits at the right of a white band: white on the left,
// the heart on the right.
Canvas headerPicture() {
    constexpr int supersample = 4;
    Canvas canvas(centredGrid(150, 57, 1).scaled(supersample));
    canvas.paint([](double x, double) { return mix(rgb(0xffffff), rgb(0xffe9ee), smooth(-40, 75, x)); });
    drawGlossyHeart(canvas, 48, -22, 40);
    drawGlossyHeart(canvas, 16, 6, 11, 0.8f);
    drawGlossyHeart(canvas, -4, 16, 7, 0.55f);
    return canvas.downsampled(supersample);
}

void writeOrThrow(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string error;
    if (!writeWholeFile(path, bytes, error)) throw std::runtime_error(error);
}

void writeBmp(const std::string& path, const Canvas& canvas) {
    writeOrThrow(path, encodeBmp24(canvas.grid.width, canvas.grid.height, canvas.rgba8()));
}

}  // namespace

Canvas iconImage(int size) {
    const int supersample = size <= 64 ? 8 : 4;
    Canvas canvas(centredGrid(size, size, 1.0 / size).scaled(supersample));
    // Lobes to point fill the square but for a pixel of air at 16 pixels.
    drawGlossyHeart(canvas, 0, -0.45, 0.84);
    return canvas.downsampled(supersample);
}

void writeWindowsArt(const Typeface& type, const std::string& folder) {
    std::vector<IconImage> images;
    for (int size : windowsIconSizes) {
        images.push_back({size, encodePng(size, size, iconImage(size).rgba8())});
    }
    writeOrThrow(folder + "/amber-bell.ico", encodeIco(images));
    writeBmp(folder + "/installer-header.bmp", headerPicture());
    writeBmp(folder + "/installer-side.bmp", sidePicture(type));
}
