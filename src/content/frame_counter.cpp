#include "content/frame_counter.h"

#include "scene/attach_calls.h"
#include "scene/behaviours.h"
#include "scene/hooks.h"
#include "scene/scene_node.h"

int32_t frameCount = 0;

namespace {

constexpr double displayIntervalMs = 5000;
const char* const digitEntries[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

void addDigit(SceneNode& counter, double x, int32_t digit) {
    auto* node = new SceneNode;
    node->setTranslation(x, 0, 0);
    node->addHook(hookNoDepthTest, 0);
    node->loadModel("utils.pak", digitEntries[digit]);
    BoundCall expire = endlessCall();
    expire.setParams(behaviourExpire, displayIntervalMs, 0, 0);
    attachCalls(*node, {expire});
    counter.addChild(node);
}

}  // namespace

void behaviourFrameCounter(int32_t) {
    ++frameCount;
    BoundCall& call = *currentCall;
    if (!(call.time > 0)) return;
    call.time -= displayIntervalMs;
    // After a stall (a suspended machine) the timer would stay positive and
    // every following frame would show a count of one: catch up in one step,
    // so the next display counts a full interval again.
    if (call.time > 0) call.time = -displayIntervalMs;
    SceneNode& counter = *currentNode;
    addDigit(counter, 3.3, frameCount / 5 % 10);
    if (frameCount > 49) addDigit(counter, 1.9, frameCount / 50 % 10);
    if (frameCount > 499) addDigit(counter, 0.5, frameCount / 500 % 10);
    frameCount = 0;
}
