#include "content/frame_counter.h"

#include <algorithm>
#include <string>
#include <vector>

#include "scene/attach_calls.h"
#include "support/show_test.h"

namespace {

class FrameCounterTest : public ShowTest {
protected:
    // A counter node under `root`, running the behaviour from a count of 0.
    static SceneNode* addCounter(SceneNode& root) {
        auto* counter = new SceneNode;
        BoundCall call = endlessCall();
        call.setCall(behaviourFrameCounter, 0);
        attachCalls(*counter, {call});
        root.addChild(counter);
        frameCount = 0;
        return counter;
    }

    // Shows a count of `frames`: the display fires in the frame that makes the
    // accumulated time positive.
    std::vector<std::string> display(int32_t frames) {
        SceneNode counter;
        BoundCall call = endlessCall();
        call.setCall(behaviourFrameCounter, 0);
        call.time = -5000;
        frameCount = frames - 1;
        runAs(counter, call, behaviourFrameCounter, 5001);
        EXPECT_EQ(frameCount, 0);
        EXPECT_EQ(call.time, -4999);  // one subtraction per display
        std::vector<std::string> shown;  // hundreds, tens, units as placed
        for (const SceneNode* digit : counter.children) {
            shown.push_back(modelEntryOf(*digit) + "@" + std::to_string(digit->transform.translation[0]).substr(0, 3));
        }
        return shown;
    }
};

TEST_F(FrameCounterTest, DigitsOfTheFrameRate) {
    using Shown = std::vector<std::string>;
    EXPECT_EQ(display(300), (Shown{"0@3.3", "6@1.9"}));
    EXPECT_EQ(display(49), (Shown{"9@3.3"}));
    EXPECT_EQ(display(50), (Shown{"0@3.3", "1@1.9"}));
    EXPECT_EQ(display(499), (Shown{"9@3.3", "9@1.9"}));
    EXPECT_EQ(display(500), (Shown{"0@3.3", "0@1.9", "1@0.5"}));
    EXPECT_EQ(display(6170), (Shown{"4@3.3", "3@1.9", "2@0.5"}));
}

TEST_F(FrameCounterTest, CountsEveryFrameAndDisplaysEveryFiveSeconds) {
    SceneNode root;
    SceneNode* counter = addCounter(root);
    frameTicks = 20;
    root.render();  // the first frame displays at once, a count of 1: "0"
    ASSERT_EQ(counter->children.size(), 1u);
    EXPECT_EQ(modelEntryOf(*counter->children[0]), "0");
    SceneNode* first = counter->children[0];
    for (int i = 0; i < 299; ++i) {
        frameTicks += 16;  // 300 frames in 4800 + 16 ms
        root.render();
    }
    EXPECT_EQ(frameCount, 299);
    EXPECT_EQ(counter->children.size(), 1u);
    // The display fires in the frame whose accumulated time turns positive:
    // 312 frames in that stretch, 62 per second. The old "0" is still drawn in
    // that frame, so the sets overlap and the display never goes blank.
    while (counter->children.size() == 1) {
        frameTicks += 16;
        root.render();
    }
    ASSERT_EQ(counter->children.size(), 3u);
    EXPECT_EQ(counter->children[0], first);
    EXPECT_FALSE(first->closing);
    EXPECT_EQ(modelEntryOf(*counter->children[1]), "2");
    EXPECT_EQ(modelEntryOf(*counter->children[2]), "6");
    frameTicks += 16;
    root.render();
    EXPECT_TRUE(first->closed);  // its own 5000 ms are over
    frameTicks += 16;
    root.render();
    ASSERT_EQ(counter->children.size(), 2u);
    EXPECT_NE(counter->children[0], first);
}

TEST_F(FrameCounterTest, DigitNodesAreDrawnOverTheSceneAndExpire) {
    SceneNode counter;
    BoundCall call = endlessCall();
    call.setCall(behaviourFrameCounter, 0);
    runAs(counter, call, behaviourFrameCounter, 16);
    ASSERT_EQ(counter.children.size(), 1u);
    const SceneNode& digit = *counter.children[0];
    EXPECT_EQ(digit.hooks.size(), 1u);
    ASSERT_EQ(digit.controllers.calls.size(), 1u);
    EXPECT_EQ(digit.controllers.calls[0].a, 5000);
    EXPECT_TRUE(digit.controllers.calls[0].endless);
}

TEST_F(FrameCounterTest, AStallOfAnHourDisplaysOnceAndThenCountsNormally) {
    SceneNode root;
    SceneNode* counter = addCounter(root);
    frameTicks = 16;
    root.render();
    for (int i = 0; i < 100; ++i) {
        frameTicks += 16;
        root.render();
    }
    const size_t shown = counter->children.size();
    frameTicks += 3600 * 1000;  // the machine was suspended for an hour
    root.render();
    ASSERT_EQ(counter->children.size(), shown + 2);  // one display: 101 frames, "20"
    EXPECT_EQ(frameCount, 0);
    // Then the next display comes a full 5000 ms later and counts right;
    // without the catch-up every one of those frames showed a fresh "0".
    int displays = 0;
    size_t most = 0;
    for (int i = 0; i < 320; ++i) {
        const int32_t before = frameCount;
        frameTicks += 16;
        root.render();
        if (frameCount < before) ++displays;
        most = std::max(most, counter->children.size());
    }
    EXPECT_EQ(displays, 1);
    EXPECT_LE(most, 4u);  // the outgoing set and the incoming one overlap a frame
    ASSERT_GE(counter->children.size(), 2u);
    const size_t n = counter->children.size();
    EXPECT_EQ(modelEntryOf(*counter->children[n - 2]), "2");  // 313 frames: 62 per second
    EXPECT_EQ(modelEntryOf(*counter->children[n - 1]), "6");
}

}  // namespace
