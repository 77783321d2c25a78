// ActionList: a node's numbered states, each a prepared batch of BoundCalls,
// commands on running calls and links to other lists' states.
//
// Activating a state copies its calls into the bound ControllerSet (fresh
// copies every time: activating twice installs twice), then applies its
// commands (by call id: kind 0 stop, 1 start, 2 finish; other kinds do
// nothing) to every call now in the set, then activates the linked states.
//
// Calls outside the states are ignored: addCall/addCommand/addLink before the
// first addState, activate/selectState with an index that is no state. A link
// cycle (a state that leads back to itself) is cut where it closes: a state
// whose activation is already under way is not activated again inside it.
#pragma once

#include <cstdint>
#include <vector>

#include "scene/bound_call.h"

class ControllerSet;

class ActionList {
public:
    struct Command {
        int32_t id;
        int32_t kind;
    };
    struct Link {
        ActionList* list;  // not owned
        int32_t state;
    };

    ActionList() = default;
    ActionList(const ActionList&) = delete;
    ActionList& operator=(const ActionList&) = delete;

    void bind(ControllerSet* set) { controllerSet = set; }
    // Appends an enabled, empty state, makes it current, returns its index.
    int32_t addState();
    // Makes an enabled state current; false (nothing changes) otherwise.
    bool selectState(int32_t index);
    void addCall(const BoundCall& call);
    void addCommand(int32_t id, int32_t kind);
    void addLink(ActionList* list, int32_t state);
    void activate(int32_t state);

    int32_t stateCount() const { return static_cast<int32_t>(stateEnabled.size()); }

    int32_t currentState = -1;
    std::vector<int32_t> stateEnabled;
    std::vector<std::vector<BoundCall>> stateCalls;
    std::vector<std::vector<Command>> stateCommands;
    std::vector<std::vector<Link>> stateLinks;
    ControllerSet* controllerSet = nullptr;

private:
    bool isState(int32_t index) const { return index >= 0 && index < stateCount(); }

    std::vector<uint8_t> stateActivating;  // activation of that state under way
};
