#include "scene/controller_set.h"

#include <vector>

#include "scene/frame_ticks.h"
#include "support/gl_test.h"

namespace {

// What each callback saw when it ran.
struct Seen {
    double time;
    double elapsed;
    bool finished;
};
std::vector<Seen> seen;

void recordTick(int32_t) {
    seen.push_back({currentCall->time, currentCall->elapsed, currentCall->finished});
}

void moveUpOne(int32_t) {
    currentCall->target->translate(0, 1, 0);
}

BoundCall makeCall(double duration, int32_t id = 1, BoundCallback fn = recordTick) {
    BoundCall call;
    call.init(id, true, duration);
    call.setCall(fn, 0);
    return call;
}

class ControllerSetTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        frameTicks = 0;
        seen.clear();
    }
    // One frame `step` milliseconds after the last.
    void frame(ControllerSet& set, uint32_t step) {
        frameTicks += step;
        set.update();
    }
};

TEST_F(ControllerSetTest, EndlessCallRunsEveryFrame) {
    ControllerSet set;
    set.add(makeCall(0));
    for (int i = 0; i < 5; ++i) frame(set, 40);
    ASSERT_EQ(seen.size(), 5u);
    EXPECT_EQ(seen.back().time, 200);
    EXPECT_FALSE(seen.back().finished);
    EXPECT_EQ(set.calls.size(), 1u);
}

TEST_F(ControllerSetTest, OneShotRunsOnceAndIsGoneAfterTheSecondUpdate) {
    ControllerSet set;
    set.add(makeCall(-1));
    frame(set, 40);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_TRUE(seen[0].finished);
    EXPECT_EQ(set.calls.size(), 1u);
    frame(set, 40);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_TRUE(set.calls.empty());
}

TEST_F(ControllerSetTest, DurationIsMeasuredInActiveTimeAndTheFinishingTickStillRuns) {
    ControllerSet set;
    set.add(makeCall(100));
    frame(set, 40);
    frame(set, 40);
    frame(set, 40);
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].elapsed, 40);
    EXPECT_EQ(seen[1].elapsed, 80);
    EXPECT_EQ(seen[2].elapsed, 120);
    EXPECT_FALSE(seen[1].finished);
    EXPECT_TRUE(seen[2].finished);
    EXPECT_EQ(set.calls.size(), 1u);
    frame(set, 40);
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_TRUE(set.calls.empty());
}

TEST_F(ControllerSetTest, StoppedCallsFreezeAndResume) {
    ControllerSet set;
    set.add(makeCall(0, 7));
    frame(set, 30);
    set.stopById(7);
    frame(set, 30);
    frame(set, 30);
    EXPECT_EQ(seen.size(), 1u);
    EXPECT_EQ(set.calls[0].time, 30);
    set.startById(7);
    frame(set, 30);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].time, 60);
}

TEST_F(ControllerSetTest, IdsSelectWhichCallsACommandTouches) {
    ControllerSet set;
    set.add(makeCall(0, 1));
    set.add(makeCall(0, 2));
    set.add(makeCall(0, 1));
    set.finishById(1);
    frame(set, 10);
    ASSERT_EQ(set.calls.size(), 1u);
    EXPECT_EQ(set.calls[0].getId(), 2);
    EXPECT_EQ(seen.size(), 1u);  // only the survivor ticked
}

TEST_F(ControllerSetTest, FirstUpdateSeesTheWholeTimeSinceCreation) {
    ControllerSet set;  // made before the first frame: stamp 0
    frameTicks = 5123;
    set.add(makeCall(0));
    set.update();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].time, 5123);
}

TEST_F(ControllerSetTest, TickCounterWrapAroundGivesTheShortStep) {
    frameTicks = 0xFFFFFFF0u;
    ControllerSet set;
    set.add(makeCall(0));
    frameTicks = 0x10;
    set.update();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].time, 32);
}

TEST_F(ControllerSetTest, OffsetIsRebuiltEachUpdateAndMovesTheMatrix) {
    ControllerSet set;
    set.add(makeCall(0, 1, moveUpOne));
    set.add(makeCall(0, 1, moveUpOne));
    frame(set, 16);
    EXPECT_EQ(set.offset.translation[1], 2);
    EXPECT_NEAR(modelview()[13], 2.0, 1e-6);
    glLoadIdentity();
    frame(set, 16);
    EXPECT_EQ(set.offset.translation[1], 2);  // not 4: zeroed first
    EXPECT_NEAR(modelview()[13], 2.0, 1e-6);
}

TEST_F(ControllerSetTest, FinishedCallsInARowAreAllDroppedInOneUpdate) {
    ControllerSet set;
    set.add(makeCall(-1, 1));
    set.add(makeCall(-1, 1));
    set.add(makeCall(0, 2));
    frame(set, 10);
    EXPECT_EQ(set.calls.size(), 3u);
    frame(set, 10);
    ASSERT_EQ(set.calls.size(), 1u);
    EXPECT_EQ(set.calls[0].getId(), 2);
}

ControllerSet* selfSet = nullptr;
void addToOwnSet(int32_t) {
    BoundCall call = makeCall(0);
    selfSet->add(call);
    currentCall->finish();  // still a valid record to write to
}

TEST_F(ControllerSetTest, ACallbackGrowingItsOwnSetIsCaughtOrDeferred) {
    ControllerSet set;
    selfSet = &set;
    set.add(makeCall(0, 1, addToOwnSet));
    // Debug builds stop at the assertion; release builds append the new call
    // after the walk so currentCall never dangles.
    EXPECT_DEBUG_DEATH(
        {
            frame(set, 10);
            EXPECT_EQ(set.calls.size(), 2u);
            frame(set, 10);
            EXPECT_EQ(set.calls.size(), 1u);
        },
        "added a call to the set that is running it");
}

TEST(BoundCall, InitAndSetParams) {
    BoundCall call;
    call.time = 99;
    call.finished = true;
    call.init(4, false, 0);
    EXPECT_TRUE(call.endless);
    EXPECT_FALSE(call.finished);
    EXPECT_FALSE(call.active);
    EXPECT_EQ(call.time, 0);
    EXPECT_EQ(call.getId(), 4);
    call.init(4, true, 250);
    EXPECT_FALSE(call.endless);
    EXPECT_EQ(call.duration, 250);

    call.setParams(recordTick, 2, 3, 1.5, 2.5, 3.5);
    EXPECT_EQ(call.type, 2);
    EXPECT_EQ(call.extra, 3);
    EXPECT_EQ(call.c, 3.5);
    call.value = 9;
    call.setParams(recordTick, 1.0, 2.0, 3.0);
    EXPECT_EQ(call.value, 0);  // setParams binds value 0
    EXPECT_EQ(call.a, 1.0);
    EXPECT_EQ(call.type, 2);  // untouched by the short form
}

}  // namespace
