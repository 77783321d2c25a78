#include "content/delayed_model.h"

#include "content/show_models.h"
#include "scene/bound_call.h"
#include "scene/scene_node.h"

void behaviourDelayedModel(int32_t) {
    if (!(currentCall->time > delayedModelAfterMs)) return;
    currentCall->finish();
    auto* node = new SceneNode;
    node->loadModel(emblemModel.package, emblemModel.entry);
    node->setScale(0.5, 0.5, 0.5);
    currentNode->addChild(node);
}
