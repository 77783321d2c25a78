#include "content/analog_clock.h"

#include "scene/attach_calls.h"
#include "scene/behaviours.h"
#include "scene/hooks.h"
#include "scene/scene_node.h"

void behaviourBuildAnalogClock(int32_t) {
    SceneNode* clock = currentNode;
    clock->translate(-9.3, 9, 0);

    auto* dial = new SceneNode;
    dial->loadModel("clock.pak", "ciferblat");
    dial->addHook(hookNoDepthTest, 0);
    clock->addChild(dial);

    struct Hand {
        const char* entry;
        int32_t type;
    };
    for (const Hand& hand : {Hand{"sec", 1}, Hand{"min", 2}, Hand{"chas", 3}}) {
        auto* node = new SceneNode;
        node->loadModel("clock.pak", hand.entry);
        BoundCall turn = endlessCall();
        turn.setParams(behaviourClockHand, hand.type, 0, 0, 0);
        attachCalls(*node, {turn});
        node->addHook(hookNoDepthTest, 0);
        clock->addChild(node);
    }
}
