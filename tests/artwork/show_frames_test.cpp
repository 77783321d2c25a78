// The real show rendered offscreen: the background fills every view, each
// overlay lands in its corner and is not cut off by the screen edge, and the
// emblem joins after a minute without hiding the heart.
//
// An overlay's place is found by rendering the same show (same seed, same
// local time, same ticks) once with only that overlay and once with none,
// and taking the bounding box of the pixels that differ.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "show_render.h"

namespace {

Settings overlays(bool calendar, bool clock, bool fps) {
    Settings s;
    s.showCalendar = calendar;
    s.showClock = clock;
    s.showFrameCounter = fps;
    return s;
}

struct Box {
    int32_t left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;  // inclusive, top row 0
    bool empty() const { return right < 0; }
};

Box differences(const Frame& a, const Frame& b) {
    Box box;
    for (int32_t y = 0; y < a.height; ++y) {
        for (int32_t x = 0; x < a.width; ++x) {
            const uint8_t* p = a.at(x, y);
            const uint8_t* q = b.at(x, y);
            if (std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]) <= 3) continue;
            box.left = std::min(box.left, x), box.right = std::max(box.right, x);
            box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

std::string describe(const Box& b) {
    return "(" + std::to_string(b.left) + ", " + std::to_string(b.top) + ") - (" +
           std::to_string(b.right) + ", " + std::to_string(b.bottom) + ")";
}

// Inside the frame, clear of every edge by at least one pixel.
void expectNotCutOff(const Box& box, const Frame& frame, const std::string& what) {
    ASSERT_FALSE(box.empty()) << what << " draws nothing";
    EXPECT_GT(box.left, 0) << what << " " << describe(box);
    EXPECT_GT(box.top, 0) << what << " " << describe(box);
    EXPECT_LT(box.right, frame.width - 1) << what << " " << describe(box);
    EXPECT_LT(box.bottom, frame.height - 1) << what << " " << describe(box);
}

TEST(ShowFrames, BackgroundCoversEveryPixelAtEveryResolution) {
    std::vector<std::pair<int32_t, int32_t>> sizes;
    for (int32_t row = 1; row < resolutionRowCount; ++row) {
        sizes.push_back({resolutionTable[row].width, resolutionTable[row].height});
    }
    sizes.push_back({2560, 1080});  // 21:9
    for (const auto& [width, height] : sizes) {
        const Frame frame = renderShow(overlays(false, false, false), width, height, 16, 16);
        ASSERT_FALSE(frame.rgba.empty());
        // The clear colour is transparent black; anything drawn leaves alpha.
        int32_t uncovered = 0;
        for (size_t i = 3; i < frame.rgba.size(); i += 4) uncovered += frame.rgba[i] == 0;
        EXPECT_EQ(uncovered, 0) << width << " x " << height;
    }
}

struct Aspect {
    int32_t width, height;
};
// Small frames with the aspects of the resolution table (4:3, 5:4, 16:10), an
// ultra-wide 21:9 and two upright screens (9:16, 3:4) where the overlays
// shrink to keep their share of the width: 360 wide, they come out a little
// larger than at 320 x 240.
const Aspect aspects[] = {{320, 240}, {320, 256}, {320, 200}, {560, 240}, {360, 640}, {360, 480}};

TEST(ShowFrames, ClocksSitInTheBottomRightCornerInEveryForm) {
    struct Form {
        const char* name;
        bool analog, twentyFour, near;
    };
    const Form forms[] = {{"digital 12h near", false, false, true}, {"digital 12h far", false, false, false},
                          {"digital 24h near", false, true, true},  {"digital 24h far", false, true, false},
                          {"analog near", true, false, true},       {"analog far", true, false, false}};
    for (const Aspect& a : aspects) {
        const Frame none = renderShow(overlays(false, false, false), a.width, a.height, 32, 16);
        for (const Form& form : forms) {
            Settings s = overlays(false, true, false);
            s.analogClock = form.analog;
            s.clock24Hour = form.twentyFour;
            s.largeClock = form.near;
            const Frame clock = renderShow(s, a.width, a.height, 32, 16);
            const Box box = differences(none, clock);
            const std::string what = std::string(form.name) + " at " + std::to_string(a.width) +
                                     " x " + std::to_string(a.height);
            expectNotCutOff(box, clock, what);
            EXPECT_GE(box.left, a.width / 2) << what << " " << describe(box);
            EXPECT_GE(box.top, a.height / 2) << what << " " << describe(box);
        }
    }
}

TEST(ShowFrames, CalendarSitsInTheTopRightCornerInBothLayouts) {
    for (const Aspect& a : aspects) {
        const Frame none = renderShow(overlays(false, false, false), a.width, a.height, 32, 16);
        for (bool russian : {false, true}) {
            Settings s = overlays(true, false, false);
            s.russianCalendar = russian;
            const Frame calendar = renderShow(s, a.width, a.height, 32, 16);
            const Box box = differences(none, calendar);
            const std::string what = std::string(russian ? "Russian" : "default") + " calendar at " +
                                     std::to_string(a.width) + " x " + std::to_string(a.height);
            expectNotCutOff(box, calendar, what);
            EXPECT_GE(box.left, a.width / 2) << what << " " << describe(box);
            EXPECT_LT(box.bottom, a.height / 2) << what << " " << describe(box);
        }
    }
}

TEST(ShowFrames, FrameCounterSitsInTheTopLeftCorner) {
    for (const Aspect& a : aspects) {
        const Frame none = renderShow(overlays(false, false, false), a.width, a.height, 32, 16);
        const Frame counter = renderShow(overlays(false, false, true), a.width, a.height, 32, 16);
        const Box box = differences(none, counter);
        const std::string what = "frame counter at " + std::to_string(a.width) + " x " +
                                 std::to_string(a.height);
        expectNotCutOff(box, counter, what);
        EXPECT_LT(box.right, a.width / 2) << what << " " << describe(box);
        EXPECT_LT(box.bottom, a.height / 2) << what << " " << describe(box);
    }
}

TEST(ShowFrames, ThreeDigitFrameRateStaysOnTheCountersBacking) {
    // 8 ms frames: 626 frames by 5008 ms, shown as 125 from the second display on.
    const Frame none = renderShow(overlays(false, false, false), 320, 240, 5008, 8);
    const Frame counter = renderShow(overlays(false, false, true), 320, 240, 5008, 8);
    const Frame early = renderShow(overlays(false, false, true), 320, 240, 32, 16);
    const Box three = differences(none, counter);
    const Box one = differences(renderShow(overlays(false, false, false), 320, 240, 32, 16), early);
    expectNotCutOff(three, counter, "three digits");
    EXPECT_EQ(three.left, one.left) << "the backing, not the digits, is the left end";
    EXPECT_EQ(three.right, one.right);
}

TEST(ShowFrames, EmblemJoinsAfterAMinuteAndLeavesTheHeartVisible) {
    // Fire-coloured pixels (bright orange to yellow, little blue) in the
    // middle of the view, before and after the minute.
    auto fireShare = [](const Frame& f) {
        int32_t fire = 0, total = 0;
        for (int32_t y = f.height / 8; y < f.height * 7 / 8; ++y) {
            for (int32_t x = f.width / 4; x < f.width * 3 / 4; ++x) {
                const uint8_t* p = f.at(x, y);
                fire += p[0] > 200 && p[1] > 90 && p[2] < 90;
                ++total;
            }
        }
        return static_cast<double>(fire) / total;
    };
    const Settings plain = overlays(false, false, false);
    const Frame before = renderShow(plain, 160, 120, 59500, 250);
    const Frame after = renderShow(plain, 160, 120, 80000, 250);
    EXPECT_LT(fireShare(before), 0.002);
    EXPECT_GT(fireShare(after), 0.01) << "the ring of fire shows";
    EXPECT_LT(fireShare(after), 0.3) << "mostly transparent";
    // The middle of the view still shows the heart (red above green and blue).
    const uint8_t* centre = after.at(80, 62);
    EXPECT_GT(centre[0], centre[1] + 40);
    EXPECT_GT(centre[0], centre[2] + 20);
}

}  // namespace
