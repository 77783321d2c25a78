#include "scene/behaviours.h"

#include <cmath>
#include <ctime>

#include "scene/frame_ticks.h"
#include "scene/local_time.h"
#include "scene/scene_node.h"
#include "support/gl_test.h"

namespace {

class BehavioursTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        frameTicks = 0;
    }
    void TearDown() override { setFixedLocalTime(nullptr); }

    // Runs `fn` once as the running call of `node` with active time t.
    Transform& run(BoundCallback fn, int32_t type, double a, double b, double c, double t) {
        call.init(1, true, 0);
        call.setParams(fn, type, a, b, c);
        call.target = &offset;
        call.time = t;
        offset.resetValues();
        currentCall = &call;
        currentNode = &node;
        fn(0);
        return offset;
    }

    void setTime(int hour, int minute, int second) {
        std::tm fixed{};
        fixed.tm_hour = hour;
        fixed.tm_min = minute;
        fixed.tm_sec = second;
        setFixedLocalTime(&fixed);
    }

    BoundCall call;
    Transform offset;
    SceneNode node;
};

TEST_F(BehavioursTest, ClockHandsFollowTheLocalTime) {
    setTime(13, 30, 15);
    EXPECT_EQ(run(behaviourClockHand, 1, 0, 0, 0, 0).rotation[2], -90);
    EXPECT_EQ(run(behaviourClockHand, 2, 0, 0, 0, 0).rotation[2], -180);
    EXPECT_EQ(run(behaviourClockHand, 3, 0, 0, 0, 0).rotation[2], -405);

    setTime(23, 59, 30);
    EXPECT_EQ(run(behaviourClockHand, 3, 0, 0, 0, 0).rotation[2], -719);
    EXPECT_EQ(run(behaviourClockHand, 2, 0, 0, 0, 0).rotation[2], -354);
    setTime(0, 0, 60);  // a leap second
    EXPECT_EQ(run(behaviourClockHand, 1, 0, 0, 0, 0).rotation[2], -360);
}

TEST_F(BehavioursTest, ClockHandReplacesTheRotationAndIgnoresOtherTypes) {
    setTime(1, 2, 3);
    offset.setRotation(10, 20, 30);
    call.init(1, true, 0);
    call.setParams(behaviourClockHand, 1, 0, 0, 0);
    call.target = &offset;
    currentCall = &call;
    behaviourClockHand(0);
    EXPECT_EQ(offset.rotation[0], 0);
    EXPECT_EQ(offset.rotation[2], -18);
    EXPECT_EQ(run(behaviourClockHand, 4, 0, 0, 0, 0).rotation[2], 0);
    EXPECT_EQ(run(behaviourClockHand, 0, 0, 0, 0, 0).rotation[2], 0);
}

TEST_F(BehavioursTest, DriftMovesAtUnitsPerSecond) {
    EXPECT_DOUBLE_EQ(run(behaviourDrift, 2, 10, 0, 0, 1000).translation[2], 10);
    EXPECT_DOUBLE_EQ(run(behaviourDrift, 0, -8, 0, 0, 2500).translation[0], -20);
    const Transform& y = run(behaviourDrift, 1, 22, 0, 0, 500);
    EXPECT_DOUBLE_EQ(y.translation[1], 11);
    EXPECT_EQ(y.translation[0], 0);
    const Transform& none = run(behaviourDrift, 3, 22, 0, 0, 500);
    EXPECT_EQ(none.translation[0] + none.translation[1] + none.translation[2], 0);
}

TEST_F(BehavioursTest, SpinTurnsFromItsStartAngle) {
    EXPECT_DOUBLE_EQ(run(behaviourSpin, 2, 7, 120, 0, 2000).rotation[2], 134);
    EXPECT_DOUBLE_EQ(run(behaviourSpin, 2, -7, 120, 0, 2000).rotation[2], 106);
    EXPECT_DOUBLE_EQ(run(behaviourSpin, 0, 90, 0, 0, 1000).rotation[0], 90);
    EXPECT_EQ(run(behaviourSpin, -1, 90, 0, 0, 1000).rotation[0], 0);
}

TEST_F(BehavioursTest, OscillateFollowsTheSine) {
    EXPECT_NEAR(run(behaviourOscillate, 1, 2, 3, 1.0, 500).translation[1], 2 * std::sin(1.5 + 1.0), 1e-12);
    // Frequency 0 holds a constant offset of a * sin(c).
    EXPECT_NEAR(run(behaviourOscillate, 2, 1, 0, 1.57079632679489, 9000).translation[2], 1.0, 1e-12);
    EXPECT_EQ(run(behaviourOscillate, 0, 1, 0, 0, 9000).translation[0], 0);
}

TEST_F(BehavioursTest, ExpireClosesOnlyOnceTimeExceedsTheLimit) {
    run(behaviourExpire, 0, 16000, 0, 0, 16000);
    EXPECT_FALSE(node.closing);
    run(behaviourExpire, 0, 16000, 0, 0, 16000.5);
    EXPECT_TRUE(node.closing);
}

}  // namespace
