// The one pattern the show uses to give a node behaviours: a new ActionList
// state holding the calls, activated at once, so the calls run from the node's
// next update on.
//
//   BoundCall spin = endlessCall();
//   spin.setParams(behaviourSpin, 2, 7.0, 0, 0);
//   attachCalls(*node, {spin});
#pragma once

#include <initializer_list>

#include "scene/bound_call.h"

class SceneNode;

// A call with id 1, active, that never finishes by time (duration 0).
BoundCall endlessCall();
// A call with id 1, active, whose first tick finishes it (duration -1).
BoundCall oneShotCall();

// addState, addCall for each call in order, activate that state.
void attachCalls(SceneNode& node, std::initializer_list<BoundCall> calls);
