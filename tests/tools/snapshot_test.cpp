// The snapshot tool's pieces: the wall clock it fixes the local time with,
// the pictures it writes, and the rendering itself (repeatable for a seed).
#include <SDL/SDL.h>
#include <gtest/gtest.h>

#include <set>

#include "picture.h"
#include "snapshot.h"
#include "wall_clock.h"

namespace {

TEST(WallClock, ReadsDateAndTimeOrTimeAlone) {
    WallClock c;
    ASSERT_TRUE(parseWallClock("2024-02-29 23:59:58", c));
    EXPECT_EQ(c.year, 2024);
    EXPECT_EQ(c.month, 2);
    EXPECT_EQ(c.day, 29);
    EXPECT_EQ(c.hour, 23);
    EXPECT_EQ(c.second, 58);
    ASSERT_TRUE(parseWallClock("07:05:00", c));
    EXPECT_EQ(c.day, 29) << "the date stays";
    EXPECT_EQ(c.hour, 7);
    EXPECT_TRUE(parseWallClock("2026-12-31T00:00:00", c));
    for (const char* bad : {"2023-02-29 10:00:00", "2026-13-01 10:00:00", "2026-01-01 24:00:00",
                            "10:60:00", "noon", "2026-01-01 10:00:00 extra", ""}) {
        WallClock before;
        WallClock d = before;
        EXPECT_FALSE(parseWallClock(bad, d)) << bad;
        EXPECT_EQ(d.hour, before.hour) << "unchanged after a refusal";
    }
}

TEST(WallClock, AdvancesAcrossDaysMonthsAndLeapYears) {
    WallClock c;
    ASSERT_TRUE(parseWallClock("2024-02-28 23:59:30", c));
    std::tm t = wallClockAfter(c, 45);
    EXPECT_EQ(t.tm_year, 124);
    EXPECT_EQ(t.tm_mon, 1);
    EXPECT_EQ(t.tm_mday, 29);
    EXPECT_EQ(t.tm_hour, 0);
    EXPECT_EQ(t.tm_min, 0);
    EXPECT_EQ(t.tm_sec, 15);
    EXPECT_EQ(t.tm_wday, 4) << "29 February 2024 was a Thursday";
    EXPECT_EQ(t.tm_yday, 59);
    ASSERT_TRUE(parseWallClock("2026-12-31 23:00:00", c));
    t = wallClockAfter(c, 3600);
    EXPECT_EQ(t.tm_year, 127);
    EXPECT_EQ(t.tm_mon, 0);
    EXPECT_EQ(t.tm_mday, 1);
    EXPECT_EQ(t.tm_wday, 5) << "1 January 2027 is a Friday";
    ASSERT_TRUE(parseWallClock("1970-01-01 00:00:10", c));
    t = wallClockAfter(c, -20);
    EXPECT_EQ(t.tm_year, 69);
    EXPECT_EQ(t.tm_mday, 31);
    EXPECT_EQ(t.tm_sec, 50);
    EXPECT_EQ(t.tm_wday, 3) << "31 December 1969 was a Wednesday";
}

TEST(Pictures, ReductionAveragesBlocks) {
    Picture p{4, 2, std::vector<uint8_t>(4 * 2 * 4, 0)};
    // Left block: two white pixels and two black ones; right block: all 100.
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) {
            const uint8_t v = x >= 2 ? 100 : (x == 0 ? 255 : 0);
            for (int c = 0; c < 4; ++c) p.rgba[(y * 4 + x) * 4 + c] = v;
        }
    }
    const Picture r = reduced(p, 2);
    ASSERT_EQ(r.width, 2);
    ASSERT_EQ(r.height, 1);
    EXPECT_EQ(r.rgba[0], 128);
    EXPECT_EQ(r.rgba[4], 100);
}

TEST(Pictures, BitmapIs24BitBottomUpWithPaddedRows) {
    Picture p{3, 2, std::vector<uint8_t>(3 * 2 * 4, 0)};
    p.rgba[0] = 0x30, p.rgba[1] = 0x20, p.rgba[2] = 0x10;  // top-left pixel
    const std::vector<uint8_t> bmp = encodeBmp24(p);
    ASSERT_EQ(bmp.size(), 54u + 2 * 12) << "rows of 9 bytes padded to 12";
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(bmp[28], 24);
    // The top row is stored last, blue first.
    EXPECT_EQ(bmp[54 + 12], 0x10);
    EXPECT_EQ(bmp[54 + 13], 0x20);
    EXPECT_EQ(bmp[54 + 14], 0x30);
    // SDL reads it back as the same picture.
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromConstMem(bmp.data(), static_cast<int>(bmp.size())), 1);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->w, 3);
    EXPECT_EQ(s->format->BitsPerPixel, 24);
    const auto* pixels = static_cast<const uint8_t*>(s->pixels);
    EXPECT_EQ(pixels[2], 0x30) << "red of the top-left pixel";
    SDL_FreeSurface(s);
}

TEST(PreviewBitmap, IsA152PixelWide24BitPictureOfTheShow) {
    SDL_Surface* s = SDL_LoadBMP_RW(SDL_RWFromFile(AMBER_SAVER_DIR "preview.ppk", "rb"), 1);
    ASSERT_NE(s, nullptr) << SDL_GetError();
    EXPECT_EQ(s->w, 152);
    EXPECT_EQ(s->format->BitsPerPixel, 24);
    EXPECT_EQ(s->pitch, 456) << "rows without padding";
    EXPECT_GT(s->h, 0);
    std::set<uint32_t> colours;
    const auto* pixels = static_cast<const uint8_t*>(s->pixels);
    for (int y = 0; y < s->h; ++y) {
        for (int x = 0; x < s->w; ++x) {
            const uint8_t* p = pixels + y * s->pitch + x * 3;
            colours.insert(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16);
        }
    }
    EXPECT_GT(colours.size(), 500u) << "a picture, not a fill";
    SDL_FreeSurface(s);
}

TEST(RenderShow, IsRepeatableForASeedAndATime) {
    SnapshotRequest request;
    request.saverDir = AMBER_SAVER_DIR;
    request.width = 96;
    request.height = 72;
    request.atMs = 400;
    request.stepMs = 40;
    Picture a, b, c;
    std::string error;
    std::vector<uint32_t> handedOut;
    request.everyMs = 100;
    ASSERT_TRUE(renderShow(request, a, [&](uint32_t t, const Picture&) { handedOut.push_back(t); }, error))
        << error;
    EXPECT_EQ(handedOut, (std::vector<uint32_t>{120, 200, 320, 400}));
    request.everyMs = 0;
    ASSERT_TRUE(renderShow(request, b, nullptr, error)) << error;
    EXPECT_EQ(a.rgba, b.rgba);
    request.seed = 2;
    ASSERT_TRUE(renderShow(request, c, nullptr, error)) << error;
    EXPECT_NE(a.rgba, c.rgba) << "the seed moves the small hearts";
}

TEST(RenderShow, RefusesAFolderWithoutPackages) {
    SnapshotRequest request;
    request.saverDir = "/nonexistent/";
    Picture p;
    std::string error;
    EXPECT_FALSE(renderShow(request, p, nullptr, error));
    EXPECT_NE(error.find("main.pak"), std::string::npos) << error;
}

}  // namespace
