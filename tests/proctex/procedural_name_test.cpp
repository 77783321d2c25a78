#include "proctex/procedural_name.h"

#include <gtest/gtest.h>

namespace {

ProceduralTextureName parsed(const std::string& name) {
    ProceduralTextureName out;
    std::string why;
    EXPECT_TRUE(parseProceduralTextureName(name, out, why)) << name << ": " << why;
    return out;
}

bool refused(const std::string& name) {
    ProceduralTextureName out;
    std::string why;
    const bool ok = parseProceduralTextureName(name, out, why);
    if (!ok) {
        EXPECT_FALSE(why.empty()) << name;
    }
    return !ok;
}

TEST(ProceduralName, PlasmaNameGivesSizeAndBaseColour) {
    const ProceduralTextureName p = parsed("x#Plasma64x32:10:20:30");
    EXPECT_EQ(p.kind, ProceduralKind::Plasma);
    EXPECT_EQ(p.width, 64);
    EXPECT_EQ(p.height, 32);
    EXPECT_EQ(p.red, 10);
    EXPECT_EQ(p.green, 20);
    EXPECT_EQ(p.blue, 30);
}

TEST(ProceduralName, FireNameGivesSize) {
    const ProceduralTextureName f = parsed("a#Fire128*256");
    EXPECT_EQ(f.kind, ProceduralKind::Fire);
    EXPECT_EQ(f.width, 128);
    EXPECT_EQ(f.height, 256);
}

TEST(ProceduralName, NumbersAfterTheWidthReadLikeFormattedInts) {
    const ProceduralTextureName p = parsed("x#Plasma16x +8, -1,  +300,\t-256 trailing text");
    EXPECT_EQ(p.height, 8);
    EXPECT_EQ(p.red, 255);    // -1, low 8 bits
    EXPECT_EQ(p.green, 44);   // 300 - 256
    EXPECT_EQ(p.blue, 0);     // -256
    EXPECT_EQ(parsed("x#Fire8x0016").height, 16);
    // Any single character separates; the first two characters are never read.
    EXPECT_EQ(parsed("##Fire8#8").width, 8);
    EXPECT_EQ(parsed("\n#Fire8\n8").height, 8);
}

TEST(ProceduralName, UnknownKindsAreRefused) {
    EXPECT_TRUE(refused("x#Smoke16x16"));
    EXPECT_TRUE(refused("x#plasma16x16:1:2:3"));
    EXPECT_TRUE(refused("x#FIRE16x16"));
    EXPECT_TRUE(refused("x# Fire16x16"));
    EXPECT_TRUE(refused("x#16x16"));
    EXPECT_TRUE(refused("x#"));
    EXPECT_TRUE(refused("x"));
    EXPECT_TRUE(refused(""));
}

TEST(ProceduralName, MissingPiecesAreRefused) {
    EXPECT_TRUE(refused("x#Fire"));
    EXPECT_TRUE(refused("x#Fire16"));
    EXPECT_TRUE(refused("x#Fire16x"));
    EXPECT_TRUE(refused("x#Fire16x-"));
    EXPECT_TRUE(refused("x#Fire16xx16"));
    EXPECT_TRUE(refused("x#Plasma16x16"));
    EXPECT_TRUE(refused("x#Plasma16x16:1:2"));
    EXPECT_TRUE(refused("x#Plasma16x16:1:2:"));
    EXPECT_TRUE(refused(std::string("x#Fire16\0x16", 12)));  // the name ends at its zero byte
}

TEST(ProceduralName, SizesGLCannotTakeAreRefused) {
    EXPECT_TRUE(refused("x#Plasma0x16:1:2:3"));
    EXPECT_TRUE(refused("x#Plasma16x0:1:2:3"));
    EXPECT_TRUE(refused("x#Plasma16x-16:1:2:3"));
    EXPECT_TRUE(refused("x#Fire0x16"));
    EXPECT_TRUE(refused("x#Fire1x1"));
    EXPECT_TRUE(refused("x#Fire16x1"));
    EXPECT_EQ(parsed("x#Fire1x2").height, 2);
    EXPECT_EQ(parsed("x#Plasma1x1:0:0:0").width, 1);
    EXPECT_TRUE(refused("x#Fire2147483648x2"));
    EXPECT_TRUE(refused("x#Fire99999999999999999999x2"));
    EXPECT_TRUE(refused("x#Fire2x99999999999999999999"));
    EXPECT_TRUE(refused("x#Plasma65536x65536:0:0:0"));  // 16 GiB of pixels
    EXPECT_TRUE(refused("x#Fire2147483647x2"));
    EXPECT_EQ(parsed("x#Fire16384x16384").width, 16384);
}

}  // namespace
