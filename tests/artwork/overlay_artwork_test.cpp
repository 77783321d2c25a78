// The overlay artwork fits the places the show puts it: hands turn about
// their pivot, glyphs fit their spacing, cells fit the 8-unit grid, and the
// calendar's Plasma tiles never sample the texture's grid lines.
#include <cmath>

#include "proctex/procedural_name.h"
#include "real_packages.h"

namespace {

Extent spriteExtent(const RealPackage& package, const std::string& entry, uint8_t threshold) {
    const std::vector<Mesh> meshes = readModel(package, entry);
    if (meshes.empty()) return {};
    return visibleExtent(package, meshes[0], threshold);
}

TEST(ClockArtwork, HandsPivotAtTheOriginAndPointUp) {
    const RealPackage clock = loadPackage("clock.pak");
    double previousLength = 1e9;
    for (const char* hand : {"sec", "min", "chas"}) {
        const Extent e = spriteExtent(clock, hand, 128);
        ASSERT_FALSE(e.empty()) << hand;
        EXPECT_NEAR((e.left + e.right) / 2, 0.0, 0.05) << hand << " is centred on the pivot";
        EXPECT_GT(e.top, 4.0) << hand << " points up";
        EXPECT_GT(e.bottom, -2.5) << hand << " has only a short tail";
        EXPECT_LT(e.top, previousLength) << "seconds longer than minutes longer than hours";
        previousLength = e.top;
    }
}

TEST(ClockArtwork, DialFitsBetweenItsCentreAndTheCorner) {
    // The dial is centred 9.3 left of and 9 above the screen corner.
    const RealPackage clock = loadPackage("clock.pak");
    const Extent e = spriteExtent(clock, "ciferblat", 0);
    ASSERT_FALSE(e.empty());
    EXPECT_LT(e.right, 9.3);
    EXPECT_GT(e.bottom, -9.0);
    const Extent solid = spriteExtent(clock, "ciferblat", 128);
    EXPECT_GT(solid.width(), 14.0) << "a dial, not a speck";
    // The hands reach the minute track but stay on the dial.
    EXPECT_LT(spriteExtent(clock, "sec", 128).top, solid.top);
}

TEST(ClockArtwork, DigitalGlyphsFitTheirPlacesAboveTheBottomEdge) {
    const RealPackage clock = loadPackage("clock.pak");
    // Digit places are 3.94 to 3.99 apart; the colon has 2.5 on each side.
    for (char d = '0'; d <= '9'; ++d) {
        const Extent e = spriteExtent(clock, std::string(1, d), 128);
        ASSERT_FALSE(e.empty()) << d;
        EXPECT_LT(e.width(), 3.6) << d;
        EXPECT_NEAR((e.left + e.right) / 2, 0.0, 0.6) << d;
        // y = 0 of the glyph frame is one unit above the screen's bottom edge.
        EXPECT_GT(e.bottom, -1.0) << d;
    }
    EXPECT_LT(spriteExtent(clock, "dot", 128).width(), 1.5);
    // The faces keep clear of the bottom edge (y = -1) and, in the 12-hour
    // form shifted 15.186 left, of the right edge (x = 15.186).
    EXPECT_GT(spriteExtent(clock, "podlozka", 0).bottom, -1.0);
    EXPECT_GT(spriteExtent(clock, "podlozka_am", 0).bottom, -1.0);
    EXPECT_LT(spriteExtent(clock, "podlozka_am", 0).right, 15.186);
    EXPECT_LT(spriteExtent(clock, "podlozka", 0).right, 10.0);
    // AM/PM sits at 11.432; the face's right end is 15.186 - 11.432 further.
    EXPECT_LT(spriteExtent(clock, "am", 128).right, 15.186 - 11.432);
    EXPECT_LT(spriteExtent(clock, "pm", 128).right, 15.186 - 11.432);
}

TEST(CalendarArtwork, CellsFitTheEightUnitGrid) {
    const RealPackage calendar = loadPackage("calendar.pak");
    for (int day = 1; day <= 31; ++day) {
        const Extent e = spriteExtent(calendar, std::to_string(day), 128);
        ASSERT_FALSE(e.empty()) << day;
        EXPECT_LT(e.width(), 7.0) << day << " leaves a gap to its neighbours";
        EXPECT_LT(std::fabs(e.left + e.right), 0.6) << day << " is centred";
        EXPECT_LT(e.height(), 6.0) << day;
    }
    EXPECT_TRUE(readModel(calendar, "null").empty()) << "an empty cell draws nothing";
    // Header and month names span the seven columns (x = -24..24 around
    // the middle one) and no more.
    for (const std::string& entry : {std::string("day"), std::string("day_rus"), std::string("m9")}) {
        const Extent e = spriteExtent(calendar, entry, 128);
        EXPECT_LT(e.right, 28.0) << entry;
        EXPECT_GT(e.left, -28.0) << entry;
        EXPECT_LT(e.height(), 8.0) << entry;
    }
}

TEST(CalendarArtwork, BackingCoversTheCellsAndItsPlasmaHidesTheGrid) {
    const RealPackage calendar = loadPackage("calendar.pak");
    for (const char* backing : {"fon", "fon_rus"}) {
        const std::vector<Mesh> meshes = readModel(calendar, backing);
        ASSERT_EQ(meshes.size(), 2u) << backing;
        // In the backing's frame (its node at (-16, -12)) the cells run from
        // x = -28 to 28 and from y = -32 (bottom row) to 32 (month row).
        const Extent panel = visibleExtent(calendar, meshes[0], 128);
        EXPECT_LT(panel.left, -27.5);
        EXPECT_GT(panel.right, 27.5);
        EXPECT_LT(panel.bottom, -31.5);
        EXPECT_GT(panel.top, 31.5);

        const Mesh& plasma = meshes[1];
        ProceduralTextureName parsed;
        std::string error;
        ASSERT_TRUE(parseProceduralTextureName(plasma.texture, parsed, error)) << plasma.texture;
        EXPECT_EQ(parsed.kind, ProceduralKind::Plasma);
        // Each tile (two triangles) samples texel centres strictly between
        // grid lines: inside one 16-texel block, never its first texel nor
        // the texture's last row or column.
        for (size_t tile = 0; tile < plasma.corners() / 6; ++tile) {
            for (int axis = 0; axis < 2; ++axis) {
                const int32_t size = axis == 0 ? parsed.width : parsed.height;
                double lo = 1e9, hi = -1e9;
                for (size_t k = 0; k < 6; ++k) {
                    const double texel = plasma.texCoords[(tile * 6 + k) * 2 + axis] * size - 0.5;
                    lo = std::min(lo, texel);
                    hi = std::max(hi, texel);
                }
                const int block = static_cast<int>(std::floor(lo / 16));
                EXPECT_GE(lo, block * 16 + 1.0) << backing << " tile " << tile;
                EXPECT_LE(hi, block * 16 + 15.0) << backing << " tile " << tile;
                EXPECT_LT(hi, size - 1.0) << backing << " tile " << tile;
            }
        }
    }
}

TEST(UtilsArtwork, CounterDigitsFitTheirSpacingAndTheLabelFollowsThem) {
    const RealPackage utils = loadPackage("utils.pak");
    for (char d = '0'; d <= '9'; ++d) {
        const Extent e = spriteExtent(utils, std::string(1, d), 128);
        ASSERT_FALSE(e.empty()) << d;
        EXPECT_LT(e.width(), 1.4) << d << ": digits are 1.4 apart";
        EXPECT_LT(e.height(), 2.4) << d;
    }
    // The label's backing spans all three digit places (x = 0.5 - 0.7 to
    // 3.3 + 0.7), and stays within 5 units of the left edge and 2.5 of the top.
    const Extent label = spriteExtent(utils, "fps", 0);
    EXPECT_LT(label.left, 0.5 - 0.7);
    EXPECT_GT(label.left, -5.0);
    EXPECT_LT(label.top, 2.5);
}

}  // namespace
