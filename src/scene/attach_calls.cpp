#include "scene/attach_calls.h"

#include "scene/scene_node.h"

BoundCall endlessCall() {
    BoundCall call;
    call.init(1, true, 0);
    return call;
}

BoundCall oneShotCall() {
    BoundCall call;
    call.init(1, true, -1.0);
    return call;
}

void attachCalls(SceneNode& node, std::initializer_list<BoundCall> calls) {
    const int32_t state = node.actions.addState();
    for (const BoundCall& call : calls) node.actions.addCall(call);
    node.actions.activate(state);
}
