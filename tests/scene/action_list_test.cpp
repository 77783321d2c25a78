#include "scene/action_list.h"

#include <vector>

#include "scene/controller_set.h"
#include "scene/frame_ticks.h"
#include "support/gl_test.h"

namespace {

int ticks = 0;
void countTick(int32_t) {
    ++ticks;
}

BoundCall makeCall(int32_t id, double duration = 0) {
    BoundCall call;
    call.init(id, true, duration);
    call.setCall(countTick, 0);
    return call;
}

class ActionListTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        frameTicks = 0;
        ticks = 0;
        list.bind(&set);
    }
    ControllerSet set;
    ActionList list;
};

TEST_F(ActionListTest, StatesAreNumberedInOrderAndCallsGoToTheCurrentOne) {
    EXPECT_EQ(list.addState(), 0);
    list.addCall(makeCall(1));
    EXPECT_EQ(list.addState(), 1);
    list.addCall(makeCall(2));
    list.addCall(makeCall(3));
    EXPECT_EQ(list.stateCalls[0].size(), 1u);
    EXPECT_EQ(list.stateCalls[1].size(), 2u);

    EXPECT_TRUE(list.selectState(0));
    list.addCall(makeCall(4));
    EXPECT_EQ(list.stateCalls[0].size(), 2u);
    EXPECT_FALSE(list.selectState(2));
    EXPECT_FALSE(list.selectState(-1));
    EXPECT_EQ(list.currentState, 0);
}

TEST_F(ActionListTest, ActivatingTwiceInstallsFreshCopiesTwice) {
    list.addState();
    list.addCall(makeCall(1));
    list.activate(0);
    frameTicks = 50;
    set.update();
    list.activate(0);
    ASSERT_EQ(set.calls.size(), 2u);
    EXPECT_EQ(set.calls[0].time, 50);
    EXPECT_EQ(set.calls[1].time, 0);  // the state's copy never ran
    EXPECT_EQ(set.calls[1].target, &set.offset);
    frameTicks = 60;
    set.update();
    EXPECT_EQ(ticks, 3);
}

TEST_F(ActionListTest, FinishCommandRemovesACallOfTheSameActivationBeforeItTicks) {
    list.addState();
    list.addCall(makeCall(1));
    list.addCall(makeCall(2));
    list.addCommand(1, 2);
    list.activate(0);
    frameTicks = 40;
    set.update();
    ASSERT_EQ(set.calls.size(), 1u);
    EXPECT_EQ(set.calls[0].getId(), 2);
    EXPECT_EQ(ticks, 1);
}

TEST_F(ActionListTest, StopAndStartCommandsActOnRunningCalls) {
    list.addState();
    list.addCall(makeCall(5));
    list.addState();
    list.addCommand(5, 0);
    list.addState();
    list.addCommand(5, 1);
    list.addCommand(5, 99);  // unknown kinds do nothing
    list.activate(0);
    list.activate(1);
    frameTicks = 10;
    set.update();
    EXPECT_EQ(ticks, 0);
    list.activate(2);
    frameTicks = 20;
    set.update();
    EXPECT_EQ(ticks, 1);
}

TEST_F(ActionListTest, LinksActivateOtherLists) {
    ControllerSet otherSet;
    ActionList other;
    other.bind(&otherSet);
    other.addState();
    other.addState();
    other.addCall(makeCall(9));

    list.addState();
    list.addLink(&other, 1);
    list.activate(0);
    EXPECT_TRUE(set.calls.empty());
    ASSERT_EQ(otherSet.calls.size(), 1u);
    EXPECT_EQ(otherSet.calls[0].getId(), 9);
}

TEST_F(ActionListTest, CallsOutsideTheStatesAreIgnored) {
    list.addCall(makeCall(1));
    list.addCommand(1, 2);
    list.addLink(&list, 0);
    list.activate(0);
    list.activate(-3);
    EXPECT_EQ(list.stateCount(), 0);
    EXPECT_TRUE(set.calls.empty());
    list.addState();
    list.activate(1);
    EXPECT_TRUE(set.calls.empty());
}

TEST_F(ActionListTest, ALinkCycleIsCutWhereItCloses) {
    ControllerSet otherSet;
    ActionList other;
    other.bind(&otherSet);
    list.addState();
    list.addCall(makeCall(1));
    other.addState();
    other.addCall(makeCall(2));
    list.addLink(&other, 0);
    other.addLink(&list, 0);
    list.addLink(&list, 0);  // and a state linked to itself
    list.activate(0);
    EXPECT_EQ(set.calls.size(), 1u);
    EXPECT_EQ(otherSet.calls.size(), 1u);
    list.activate(0);  // the guard is released after each activation
    EXPECT_EQ(set.calls.size(), 2u);
    EXPECT_EQ(otherSet.calls.size(), 2u);
}

TEST_F(ActionListTest, DisabledStatesNeitherActivateNorSelect) {
    list.addState();
    list.addCall(makeCall(1));
    list.addState();
    list.stateEnabled[0] = 0;
    list.activate(0);
    EXPECT_TRUE(set.calls.empty());
    EXPECT_FALSE(list.selectState(0));
    list.stateEnabled[0] = 2;  // activatable, but only entry 1 can be selected
    list.activate(0);
    EXPECT_EQ(set.calls.size(), 1u);
    EXPECT_FALSE(list.selectState(0));
}

}  // namespace
