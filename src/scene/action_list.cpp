#include "scene/action_list.h"

#include "scene/controller_set.h"

#include <cstddef>

int32_t ActionList::addState() {
    stateEnabled.push_back(1);
    stateCalls.emplace_back();
    stateCommands.emplace_back();
    stateLinks.emplace_back();
    stateActivating.push_back(0);
    currentState = stateCount() - 1;
    return currentState;
}

bool ActionList::selectState(int32_t index) {
    if (!isState(index) || stateEnabled[index] != 1) return false;
    currentState = index;
    return true;
}

void ActionList::addCall(const BoundCall& call) {
    if (isState(currentState)) stateCalls[currentState].push_back(call);
}

void ActionList::addCommand(int32_t id, int32_t kind) {
    if (isState(currentState)) stateCommands[currentState].push_back({id, kind});
}

void ActionList::addLink(ActionList* list, int32_t state) {
    if (isState(currentState)) stateLinks[currentState].push_back({list, state});
}

void ActionList::activate(int32_t state) {
    if (!isState(state) || stateEnabled[state] == 0 || stateActivating[state]) return;
    stateActivating[state] = 1;
    if (controllerSet) {
        for (const BoundCall& call : stateCalls[state]) controllerSet->add(call);
        for (const Command& command : stateCommands[state]) {
            switch (command.kind) {
            case 0: controllerSet->stopById(command.id); break;
            case 1: controllerSet->startById(command.id); break;
            case 2: controllerSet->finishById(command.id); break;
            default: break;
            }
        }
    }
    // Index loop: a linked list may be this one, and nothing here may add
    // links, but keep the walk independent of the vector's storage anyway.
    for (size_t i = 0; i < stateLinks[state].size(); ++i) {
        const Link link = stateLinks[state][i];
        if (link.list) link.list->activate(link.state);
    }
    stateActivating[state] = 0;
}
