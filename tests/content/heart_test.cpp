#include "content/heart.h"

#include <cmath>

#include "scene/attach_calls.h"
#include "scene/behaviours.h"
#include "support/show_test.h"

namespace {

class HeartTest : public ShowTest {
protected:
    void beat(double t) {
        call = endlessCall();
        call.setParams(behaviourHeartBeat, 1, 0, 0, 0);
        call.target = &offset;
        call.time = t;
        offset.resetValues();
        runAs(heart, call, behaviourHeartBeat);
    }
    SceneNode heart;
    BoundCall call;
    Transform offset;
};

TEST_F(HeartTest, BeatCycleEdges) {
    beat(314);
    EXPECT_EQ(offset.translation[1], 0);
    EXPECT_FALSE(heart.transform.isScaled());  // resting: the scale is left alone
    beat(700);
    EXPECT_EQ(call.time, 700);  // not reset: the test is strictly greater
    beat(2500);
    EXPECT_EQ(call.time, 0);    // a first frame's long step resets at once
    EXPECT_TRUE(heart.transform.isScaled());
}

TEST_F(HeartTest, BeatAtZeroAndMidCycle) {
    beat(0);
    EXPECT_EQ(offset.translation[1], 0);
    EXPECT_NEAR(heart.transform.scale[0], 0.97 + 0.015 * std::sin(3.14159265358978), 1e-15);
    EXPECT_NEAR(heart.transform.scale[1], 0.97, 1e-15);
    EXPECT_EQ(heart.transform.scale[2], heart.transform.scale[0]);
    EXPECT_TRUE(heart.transform.isScaled());

    beat(78.5);  // a quarter period: top of the rise
    const double s = std::sin(78.5 / 50);
    EXPECT_NEAR(offset.translation[1], 0.7 * s, 1e-12);
    EXPECT_NEAR(offset.translation[2], 0.1 * s, 1e-12);
    EXPECT_NEAR(heart.transform.scale[1], 0.97 + 0.05 * s, 1e-12);
}

TEST_F(HeartTest, SpawnCountsPerStep) {
    struct Case {
        double step;
        int32_t count;
    };
    for (const Case& c : {Case{0, 0}, Case{29, 1}, Case{30, 1}, Case{31, 2}, Case{61, 3},
                          Case{5123, 171}}) {
        double t = c.step;
        EXPECT_EQ(heartSpawnCount(t), c.count) << "step " << c.step;
        EXPECT_LE(t, 0) << "step " << c.step;
        EXPECT_GT(t, -30) << "step " << c.step;
    }
    double negative = -12;
    EXPECT_EQ(heartSpawnCount(negative), 0);
    EXPECT_EQ(negative, -12);  // nothing spawned, time kept
}

TEST_F(HeartTest, RemainderCarriesOverAtSixtyFramesPerSecond) {
    double t = 0;
    int32_t spawned = 0;
    for (int frame = 0; frame < 300; ++frame) {
        t += 16;
        const int32_t n = heartSpawnCount(t);
        EXPECT_LE(n, 1);
        spawned += n;
    }
    EXPECT_EQ(spawned, 160);  // 4800 ms / 30 ms
}

TEST_F(HeartTest, AStallSpawnsNoMoreThanCanBeAlive) {
    for (double step : {16000.0, 3600000.0, 4294967295.0}) {
        double t = step;
        EXPECT_EQ(heartSpawnCount(t), heartSpawnCap) << step;
        EXPECT_LE(t, 0);
        EXPECT_GT(t, -30);
    }
}

TEST_F(HeartTest, SmallHeartsCarrySevenCallsInTheirRanges) {
    SceneNode spawner;
    BoundCall spawn = endlessCall();
    spawn.setCall(behaviourHeartSpawner, 0);
    runAs(spawner, spawn, behaviourHeartSpawner, 300);
    ASSERT_EQ(spawner.children.size(), 10u);
    for (const SceneNode* heart : spawner.children) {
        EXPECT_EQ(modelEntryOf(*heart), "serdechko");
        EXPECT_TRUE(heart->transform.isScaled());
        EXPECT_EQ(heart->transform.scale[0], 0.6);
        ASSERT_EQ(heart->hooks.size(), 1u);
        const std::vector<BoundCall>& calls = heart->controllers.calls;
        ASSERT_EQ(calls.size(), 7u);
        EXPECT_EQ(calls[0].callback, behaviourExpire);
        EXPECT_EQ(calls[0].a, 16000);
        const int32_t driftAxes[3] = {0, 2, 1};
        for (int i = 1; i <= 3; ++i) {
            EXPECT_EQ(calls[i].callback, behaviourDrift);
            EXPECT_EQ(calls[i].type, driftAxes[i - 1]);
            const double speed = std::fabs(calls[i].a);
            EXPECT_GE(speed, 8);
            EXPECT_LE(speed, 22);
            EXPECT_EQ(speed, std::floor(speed));
        }
        const double phases[3] = {0, 1.0, 1.57079632679489};
        for (int i = 4; i <= 6; ++i) {
            EXPECT_EQ(calls[i].callback, behaviourOscillate);
            EXPECT_EQ(calls[i].type, i - 4);
            EXPECT_TRUE(calls[i].a == 0 || calls[i].a == 1);
            EXPECT_GE(calls[i].b, 0);
            EXPECT_LE(calls[i].b, 4);
            EXPECT_EQ(calls[i].b, std::floor(calls[i].b));
            EXPECT_EQ(calls[i].c, phases[i - 4]);
        }
        for (const BoundCall& c : calls) {
            EXPECT_TRUE(c.endless);
            EXPECT_TRUE(c.active);
        }
    }
}

TEST_F(HeartTest, DriftSignsAndSpeedsAreNotAllAlike) {
    SceneNode spawner;
    BoundCall spawn = endlessCall();
    spawn.setCall(behaviourHeartSpawner, 0);
    runAs(spawner, spawn, behaviourHeartSpawner, 3000);
    int negative = 0;
    double lowest = 100, highest = 0;
    for (const SceneNode* heart : spawner.children) {
        const double vx = heart->controllers.calls[1].a;
        negative += vx < 0;
        lowest = std::min(lowest, std::fabs(vx));
        highest = std::max(highest, std::fabs(vx));
    }
    EXPECT_GT(negative, 20);
    EXPECT_LT(negative, 80);
    EXPECT_EQ(lowest, 8);
    EXPECT_EQ(highest, 22);
}

// A small heart closes in the frame its time first exceeds 16000 ms and is gone
// from the spawner one frame later.
TEST_F(HeartTest, SmallHeartLifetime) {
    SceneNode spawner;
    BoundCall spawn = endlessCall();
    spawn.setCall(behaviourHeartSpawner, 0);
    attachCalls(spawner, {spawn});
    frameTicks = 31;  // the first update spawns two hearts
    spawner.render();
    ASSERT_EQ(spawner.children.size(), 2u);
    SceneNode* first = spawner.children[0];
    // Hearts made in that frame start their own clock at tick 31.
    while (frameTicks + 7 - 31 <= 16000) {
        frameTicks += 7;
        spawner.render();
        ASSERT_FALSE(first->closing) << frameTicks;
    }
    frameTicks += 7;
    spawner.render();
    EXPECT_TRUE(first->closed);
    EXPECT_EQ(spawner.children[0], first);
    frameTicks += 7;
    spawner.render();
    EXPECT_NE(spawner.children[0], first);
}

}  // namespace
