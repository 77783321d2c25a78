// The heart reads as a heart from every side of its turn: the show rendered
// with only the heart (the snapshot tool's heart-only folder), frame by frame
// over a whole turn, its silhouette measured on the frames.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "real_packages.h"
#include "snapshot.h"

namespace {

bool lit(const Picture& p, int32_t x, int32_t y) {
    const uint8_t* c = &p.rgba[(static_cast<size_t>(y) * p.width + x) * 4];
    return c[0] + c[1] + c[2] > 24;
}

// The lit pixels of a frame on black: bounding box (inclusive, top row 0)
// and where each row starts and ends.
struct Silhouette {
    int32_t left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
    std::vector<int32_t> rowLeft, rowRight;
    int32_t cleft = -1;  // first lit row of the middle column

    explicit Silhouette(const Picture& p) : rowLeft(p.height, 1 << 30), rowRight(p.height, -1) {
        for (int32_t y = 0; y < p.height; ++y) {
            for (int32_t x = 0; x < p.width; ++x) {
                if (!lit(p, x, y)) continue;
                rowLeft[y] = std::min(rowLeft[y], x), rowRight[y] = std::max(rowRight[y], x);
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
        for (int32_t y = top; y <= bottom && cleft < 0; ++y) {
            if (lit(p, (left + right) / 2, y)) cleft = y;
        }
    }
    int32_t width() const { return right - left + 1; }
    int32_t height() const { return bottom - top + 1; }
    // The row `fraction` of the height down: its width over the widest row's.
    double widthAt(double fraction) const {
        const auto y = static_cast<size_t>(top + fraction * (height() - 1) + 0.5);
        return rowRight[y] < 0 ? 0.0 : (rowRight[y] - rowLeft[y] + 1.0) / width();
    }
    // How far the cleft between the lobes reaches down, over the height.
    double cleftDepth() const { return static_cast<double>(cleft - top) / height(); }
};

TEST(HeartTurn, SlimAndPointedEdgeOnWithCleftAndPointFaceOn) {
    SnapshotRequest request;
    request.saverDir = saverDir();
    request.heartOnly = true;
    request.width = 400;
    request.height = 300;
    // 7 degrees a second: one turn in 51.4 s, in 128 frames. Steps longer
    // than the beat's 314 ms keep the heart at rest; the first frames are
    // left out (the beat has not set the heart's scale yet).
    request.stepMs = request.everyMs = 402;
    request.atMs = 2010 + 127 * 402;
    std::vector<Silhouette> turn;
    Picture last;
    std::string error;
    ASSERT_TRUE(renderShow(request, last, [&](uint32_t t, const Picture& p) {
        if (t >= 2010) turn.emplace_back(p);
    }, error)) << error;
    ASSERT_EQ(turn.size(), 128u);
    for (const Silhouette& view : turn) ASSERT_GT(view.height(), 50) << "the heart is drawn";

    auto byWidth = [](const Silhouette& a, const Silhouette& b) { return a.width() < b.width(); };
    const Silhouette& edgeOn = *std::min_element(turn.begin(), turn.end(), byWidth);
    const Silhouette& faceOn = *std::max_element(turn.begin(), turn.end(), byWidth);
    // The former heart: 0.70, an egg edge-on (0.60 of its width at 90 % of
    // its height); 0.36 and 0.07 face-on. This one: 0.39, 0.28, 0.31, 0.09.
    EXPECT_LE(static_cast<double>(edgeOn.width()) / faceOn.width(), 0.5) << "narrowest view over the widest";
    EXPECT_LT(edgeOn.widthAt(0.9), 0.4) << "edge-on, it tapers to the point";
    EXPECT_LT(faceOn.widthAt(0.9), 0.4) << "face-on, the point at the bottom";
    EXPECT_GT(faceOn.cleftDepth(), 0.04) << "face-on, the cleft at the top";
}

}  // namespace
