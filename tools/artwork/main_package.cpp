// main.pak: the background, the heart, the small heart and the emblem that
// joins after a minute.
//
// "fon": its node is scaled (4, 3, 3), turned (0, 180, 180) and pushed to eye
// depth -200, so a model point (x, y, 0) lands on the screen at (4x, -3y):
// the model is mirrored top to bottom. The quad covers the view at every
// aspect from 5:4 to 21:9 (visible half sizes at depth -200: 82.8 high,
// 193.3 wide at 21:9) with a margin; the picture is painted in screen units.
//
// "serdce": the heart group is turned -70 degrees about X, so the model's +Z
// is the heart's up and the viewer sees mostly its -Y side; the group spins
// it about Z. "serdechko": a billboard sprite (lit, so its material turns the
// light back into white). "nn": a ring of fire around the heart, at scale 0.5
// in the middle of the view.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "flame_ring.h"
#include "heart_surface.h"
#include "packages.h"
#include "palette.h"
#include "shapes.h"

namespace {

// Screen extent painted by the background (eye units at depth -200).
constexpr double backgroundHalfWidth = 200, backgroundHalfHeight = 85.5;
constexpr double modelScaleX = 4, modelScaleY = 3;

// A small deterministic generator, so the picture is the same on every machine.
struct Lcg {
    uint32_t state;
    double next() {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) / 16777216.0;
    }
    double between(double lo, double hi) { return lo + (hi - lo) * next(); }
};

struct Bokeh {
    double x, y, radius;
    Colour colour;
};

// The background picture's pixels and the eye units of one pixel.
constexpr int backgroundWidth = 2048, backgroundHeight = 1024;
constexpr double backgroundStepX = 2 * backgroundHalfWidth / backgroundWidth;
constexpr double backgroundStepY = 2 * backgroundHalfHeight / backgroundHeight;

// Soft discs of light, fewer near the middle where the heart is.
std::vector<Bokeh> bokehDiscs(Lcg& random) {
    std::vector<Bokeh> discs;
    const Colour tints[] = {palette::amber, palette::rose, palette::crimson, palette::honey};
    while (discs.size() < 70) {
        const double x = random.between(-backgroundHalfWidth, backgroundHalfWidth);
        const double y = random.between(-backgroundHalfHeight, backgroundHalfHeight);
        const double fromHeart = std::hypot(x / 1.3, y + 6);
        if (fromHeart < 45 && random.next() < 0.8) continue;
        const double radius = random.between(2.5, 13) * (random.next() < 0.15 ? 1.6 : 1.0);
        Colour c = tints[static_cast<int>(random.next() * 4) % 4];
        c.a = static_cast<float>(random.between(0.035, 0.11));
        discs.push_back({x, y, radius, c});
    }
    return discs;
}

// Small bright points all over the picture.
std::vector<Bokeh> sparkPoints(Lcg& random) {
    std::vector<Bokeh> sparks;
    while (sparks.size() < 160) {
        const double x = random.between(-backgroundHalfWidth, backgroundHalfWidth);
        const double y = random.between(-backgroundHalfHeight, backgroundHalfHeight);
        Colour c = random.next() < 0.5 ? palette::honey : palette::blush;
        c.a = static_cast<float>(random.between(0.15, 0.55));
        sparks.push_back({x, y, random.between(0.25, 0.7), c});
    }
    return sparks;
}

float* backgroundPixel(Canvas& canvas, int column, int row) {
    return &canvas.pixels[(static_cast<size_t>(row) * backgroundWidth + column) * 4];
}

// Ground: a warm glow behind the heart fading to the night at the edges.
void paintGround(Canvas& canvas) {
    for (int row = 0; row < backgroundHeight; ++row) {
        const double y = backgroundHalfHeight - (row + 0.5) * backgroundStepY;
        for (int column = 0; column < backgroundWidth; ++column) {
            const double x = -backgroundHalfWidth + (column + 0.5) * backgroundStepX;
            const double glow = std::exp(-std::pow(std::hypot(x / 1.25, (y + 4) * 1.1) / 95, 2));
            const double vignette = smooth(60, 230, std::hypot(x * 0.8, y * 1.3));
            Colour c = mix(palette::night, palette::wine, glow * 0.95);
            c = mix(c, rgb(0x6a1830), std::exp(-std::pow(std::hypot(x, y + 6) / 40, 2)) * 0.45);
            c = mix(c, rgb(0x080205), vignette * 0.8);
            // Light from above: a faint amber haze at the top.
            c = mix(c, rgb(0x5a2a1a), smooth(20, 85, y) * 0.25 * (1 - vignette));
            float* p = backgroundPixel(canvas, column, row);
            p[0] = c.r, p[1] = c.g, p[2] = c.b, p[3] = 1;
        }
    }
}

// Adds one light over the pixels it reaches only.
void addLight(Canvas& canvas, const Bokeh& b, double edgeSoftness, bool rimmed) {
    const double reach = b.radius + edgeSoftness;
    const double stepX = backgroundStepX, stepY = backgroundStepY;
    const int c0 = std::max(0, static_cast<int>((b.x - reach + backgroundHalfWidth) / stepX));
    const int c1 =
        std::min(backgroundWidth - 1, static_cast<int>((b.x + reach + backgroundHalfWidth) / stepX) + 1);
    const int r0 = std::max(0, static_cast<int>((backgroundHalfHeight - b.y - reach) / stepY));
    const int r1 =
        std::min(backgroundHeight - 1, static_cast<int>((backgroundHalfHeight - b.y + reach) / stepY) + 1);
    for (int row = r0; row <= r1; ++row) {
        const double y = backgroundHalfHeight - (row + 0.5) * stepY;
        for (int column = c0; column <= c1; ++column) {
            const double x = -backgroundHalfWidth + (column + 0.5) * stepX;
            const double d = std::hypot(x - b.x, y - b.y) - b.radius;
            if (d > edgeSoftness) continue;
            double a = smooth(edgeSoftness, -edgeSoftness, d);
            if (rimmed) a *= 0.75 + 0.25 * smooth(-b.radius * 0.5, 0, d);
            const float k = static_cast<float>(a * b.colour.a);
            float* p = backgroundPixel(canvas, column, row);
            p[0] += b.colour.r * k;
            p[1] += b.colour.g * k;
            p[2] += b.colour.b * k;
        }
    }
}

// Half a step of noise against banding in the long gradients.
void dither(Canvas& canvas) {
    Lcg noise{7};
    for (size_t i = 0; i < canvas.pixels.size(); i += 4) {
        const float n = static_cast<float>((noise.next() - 0.5) / 255);
        for (int c = 0; c < 3; ++c) canvas.pixels[i + c] = std::min(1.0f, canvas.pixels[i + c] + n);
    }
}

Canvas backgroundImage() {
    Canvas canvas(centredGrid(backgroundWidth, backgroundHeight, 1));
    Lcg random{20260214};
    const std::vector<Bokeh> discs = bokehDiscs(random);
    const std::vector<Bokeh> sparks = sparkPoints(random);
    paintGround(canvas);
    for (const Bokeh& b : discs) addLight(canvas, b, 0.9 + b.radius * 0.08, true);
    for (const Bokeh& s : sparks) {
        Bokeh halo = s;
        halo.radius = s.radius * 3;
        halo.colour.a = s.colour.a * 0.18f;
        addLight(canvas, halo, s.radius * 2, false);
        addLight(canvas, s, s.radius * 0.8, false);
    }
    dither(canvas);
    return canvas;
}

SubMeshRecord backgroundRecord(const std::string& image) {
    // Screen (X, Y) comes from model (X / 4, -Y / 3); the image's top row
    // (t = 0) is the top of the screen, model y = -halfHeight / 3.
    const double hx = backgroundHalfWidth / modelScaleX, hy = backgroundHalfHeight / modelScaleY;
    const double hs = 0.5 / 2048, ht = 0.5 / 1024;
    SubMeshRecord record = quadRecord(image, plainMaterial(false), -hx, -hy, hx, hy, hs, ht,
                                      1 - hs, 1 - ht);
    // Facing the viewer after the node's turn: model -Z.
    for (size_t i = 2; i < record.normals.size(); i += 3) record.normals[i] = -1;
    return record;
}

Canvas heartSkin() {
    // Runs from the dip (top row) to the tip: crimson lobes, a deeper tip.
    Canvas canvas(centredGrid(16, 256, 1));
    canvas.paint([](double, double y) {
        const double t = (128 - y) / 256;
        Colour c = mix(rgb(0xff4a72), rgb(0xf0183f), smooth(0.0, 0.45, t));
        return mix(c, rgb(0xa00a2c), smooth(0.45, 1.0, t));
    });
    return canvas;
}

MaterialBlock heartMaterial() {
    MaterialBlock m;
    // The scene light is a headlight with a strong ambient part (0.7, plus
    // GL's 0.2): a small ambient keeps the silhouette dark and the heart round.
    const float ambient[4] = {0.16f, 0.15f, 0.15f, 1};
    const float diffuse[4] = {1.0f, 1.0f, 1.0f, 1};
    const float specular[4] = {0.85f, 0.78f, 0.72f, 1};
    for (int i = 0; i < 4; ++i) {
        m.ambient[i] = ambient[i];
        m.diffuse[i] = diffuse[i];
        m.specular[i] = specular[i];
    }
    m.shininess = 128;
    return m;
}

// Small hearts are half a unit of scene light away from white: ambient 0.9 x
// a + diffuse 0.6 x d = 1 for a = d = 2/3 with the light facing them.
MaterialBlock smallHeartMaterial() {
    MaterialBlock m = plainMaterial(true);
    for (int i = 0; i < 3; ++i) {
        m.ambient[i] = 0.667f;
        m.diffuse[i] = 0.667f;
    }
    return m;
}

Canvas smallHeartImage() {
    const Grid grid = centredGrid(256, 256, 4.8 / 256);
    Canvas canvas(grid.scaled(overlaySupersample));
    const double baseY = -1.55, height = 2.9;
    Mask body(canvas.grid);
    body.add([&](double x, double y) { return heartDistance(x, y, 0, baseY, height); });
    // A soft rose glow around the heart.
    canvas.fill(blurred(body, 0.55), palette::rose, 0.55f);
    canvas.fill(body, [&](double x, double y) {
        const double t = smooth(-1.6, 1.6, y - x * 0.35);
        return mix(rgb(0xc0143c), rgb(0xff7a98), t);
    });
    // Glossy highlight on the left lobe.
    Mask gloss(canvas.grid);
    gloss.add([&](double x, double y) {
        return (std::hypot((x + 0.72) / 0.42, (y - 0.52) / 0.26) - 1) * 0.3;
    });
    canvas.fill(blurred(gloss, 0.12), rgb(0xffffff), 0.55f);
    return canvas.downsampled(overlaySupersample);
}

}  // namespace

HeartSurfaceShape showHeartShape() {
    HeartSurfaceShape shape;
    shape.size = 16;
    shape.zOffset = 2;
    return shape;
}

FlameRingShape showEmblemShape() {
    FlameRingShape ring;
    ring.cx = 0;
    ring.cy = 0;
    ring.scale = 2.9;
    ring.thickness = 20;
    ring.tInner = 0.8;
    ring.tOuter = 0.08;
    // Each segment is a long, thin quad across the ring: thin triangles cost
    // a software rasteriser far more than their pixels, and 120 segments
    // follow the outline as closely as the eye can see.
    ring.segments = 120;
    return ring;
}

ArtworkPackage makeMainPackage(const Typeface&, const std::string& imageDump) {
    ArtworkPackage package("main.pak", imageDump);

    package.addImage("fon_tex", backgroundImage());
    package.addModel("fon", {backgroundRecord("fon_tex")});

    package.addImage("serdce_tex", heartSkin());
    package.addModel("serdce", {heartSurface("serdce_tex", heartMaterial(), showHeartShape())});

    const Canvas small = smallHeartImage();
    package.addImage("serdechko_tex", small);
    package.addModel("serdechko", {spriteRecord("serdechko_tex", small.grid, smallHeartMaterial())});

    package.addModel("nn", {flameRing("n#Fire512x128", plainMaterial(true), showEmblemShape())});
    return package;
}
