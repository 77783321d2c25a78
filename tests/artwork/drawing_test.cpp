// The artwork generator's own pieces: the typeface it finds, text, soft
// edges that keep their colour, and the heart surface's field.
#include <gtest/gtest.h>

#include <cmath>

#include "artwork_package.h"
#include "artwork_style.h"
#include "canvas.h"
#include "flame_ring.h"
#include "fonts.h"
#include "heart_surface.h"
#include "shapes.h"

namespace {

TEST(ArtworkText, UsesTheDejaVuSansFacesOfTheCoreFontPackage) {
    const Typeface type;
    EXPECT_NE(type.regular.file().find("DejaVuSans.ttf"), std::string::npos) << type.regular.file();
    EXPECT_NE(type.bold.file().find("DejaVuSans-Bold.ttf"), std::string::npos) << type.bold.file();
    EXPECT_THROW(Font("No Such Family Anywhere", "Book"), std::runtime_error);
}

TEST(ArtworkText, DigitsAreTabularAndCentredTextIsCentred) {
    const Typeface type;
    const double zero = type.bold.measure("0");
    EXPECT_GT(zero, 0.5);
    for (char d = '1'; d <= '9'; ++d) EXPECT_DOUBLE_EQ(type.bold.measure(std::string(1, d)), zero) << d;
    EXPECT_NEAR(type.bold.measure("00"), 2 * zero, 1e-9);
    EXPECT_GT(type.regular.measure("Пн"), 0.8) << "Cyrillic glyphs are there";

    Mask mask(centredGrid(64, 64, 0.1));
    type.bold.draw(mask, "8", 0, centredBaseline(type.bold, 4, 0), 4, Align::Centre);
    double sum = 0, sx = 0, sy = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            sum += mask.at(x, y), sx += mask.at(x, y) * mask.grid.x(x), sy += mask.at(x, y) * mask.grid.y(y);
        }
    }
    ASSERT_GT(sum, 50);
    EXPECT_NEAR(sx / sum, 0, 0.1);
    EXPECT_NEAR(sy / sum, 0, 0.15);
}

TEST(ArtworkText, Utf8DecodingReplacesMalformedBytes) {
    EXPECT_EQ(decodeUtf8("Вс"), (std::u32string{0x412, 0x441}));
    EXPECT_EQ(decodeUtf8("a\xff" "b"), (std::u32string{'a', 0xFFFD, 'b'}));
    EXPECT_EQ(decodeUtf8("\xd0"), (std::u32string{0xFFFD})) << "cut short";
}

TEST(ArtworkCanvas, TransparentPixelsKeepTheColourOfTheirEdge) {
    Canvas canvas(centredGrid(32, 32, 1));
    Mask disc(canvas.grid);
    disc.add([](double x, double y) { return circleDistance(x, y, 0, 0, 6); });
    canvas.fill(disc, rgb(0xff2040));
    const std::vector<uint8_t> rgba = canvas.rgba8();
    const uint8_t* centre = &rgba[(16 * 32 + 16) * 4];
    EXPECT_EQ(centre[3], 255);
    EXPECT_EQ(centre[0], 255);
    // A corner, far from the disc: no alpha, but the disc's colour, so
    // linear filtering at the edge never darkens it.
    const uint8_t* corner = &rgba[0];
    EXPECT_EQ(corner[3], 0);
    EXPECT_EQ(corner[0], 255);
    EXPECT_EQ(corner[1], 0x20);
    EXPECT_EQ(corner[2], 0x40);
}

TEST(ArtworkCanvas, ImagesArePowersOfTwo) {
    ArtworkPackage package("test.pak", "");
    EXPECT_THROW(package.addImage("odd", Canvas(centredGrid(48, 32, 1))), std::invalid_argument);
    package.addImage("fine", Canvas(centredGrid(64, 32, 1)));
    EXPECT_EQ(package.entries().size(), 1u);
}

TEST(HeartSurface, GradientMatchesTheFieldAndPointsOutward) {
    constexpr double roundness = 3e-4, h = 1e-6;
    EXPECT_LT(heartField(0, 0, 0, roundness), 0);
    EXPECT_GT(heartField(0, 0, 2, roundness), 0);
    const double points[][3] = {{0.5, 0.1, 0.9}, {-0.7, 0.2, 0.0}, {0.3, -0.4, -0.6}, {0.9, 0.0, 0.4}};
    for (const auto& p : points) {
        double g[3];
        heartGradient(p[0], p[1], p[2], roundness, g[0], g[1], g[2]);
        for (int axis = 0; axis < 3; ++axis) {
            double a[3] = {p[0], p[1], p[2]}, b[3] = {p[0], p[1], p[2]};
            a[axis] += h, b[axis] -= h;
            const double numeric = (heartField(a[0], a[1], a[2], roundness) -
                                    heartField(b[0], b[1], b[2], roundness)) / (2 * h);
            EXPECT_NEAR(g[axis], numeric, 1e-5) << "axis " << axis;
        }
    }
    // Smooth at the equator, where the cubed form of the surface has a
    // vanishing gradient: the normal there is horizontal and well defined.
    double g[3];
    heartGradient(1.0, 0, 0, roundness, g[0], g[1], g[2]);
    EXPECT_GT(std::hypot(g[0], g[1]), 0.5);
}

TEST(FlameRing, FlamesRunAlongTheOutlineAndRiseOutward) {
    FlameRingShape shape;
    shape.scale = 2;
    shape.thickness = 5;
    shape.segments = 64;
    const SubMeshRecord ring = flameRing("n#Fire64x64", plainMaterial(true), shape);
    ASSERT_EQ(ring.positions.size(), 64u * 6 * 3);
    for (size_t corner = 0; corner < ring.positions.size() / 3; ++corner) {
        const double t = ring.texCoords[corner * 2 + 1];
        EXPECT_TRUE(t == shape.tInner || t == shape.tOuter);
        const double s = ring.texCoords[corner * 2];
        EXPECT_GE(s, 0.0);
        EXPECT_LE(s, shape.repeats);
    }
    // Each quad's first two corners are an inner point and the outer point
    // `thickness` further out along the ray from the outline's centre
    // (0, -2.5 x scale): the band never folds over itself.
    auto radius = [&](size_t corner) {
        return std::hypot(ring.positions[corner * 3], ring.positions[corner * 3 + 1] + 5);
    };
    for (size_t quad = 0; quad < 64; ++quad) {
        EXPECT_NEAR(radius(quad * 6 + 1) - radius(quad * 6), shape.thickness, 1e-9);
    }
}

}  // namespace
