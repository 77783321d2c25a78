// ControllerSet: a node's running BoundCalls and the offset Transform they
// rebuild every frame.
//
// `update` (once per frame, from the node's traversal): stamps frameTicks,
// zeroes the offset, ticks every call with the milliseconds since the last
// update (an unsigned 32-bit difference, so the tick counter may wrap), drops
// calls that finished in an earlier update, and multiplies the offset's
// translation and rotation onto the current GL matrix.
//
// Callbacks may add calls to other nodes' sets, never to the set being
// updated: `currentCall` points into this set's storage while it runs.
// (Debug builds assert it; release builds append such a call after the walk,
// so the pointer can never dangle.)
#pragma once

#include <cstdint>
#include <vector>

#include "scene/bound_call.h"
#include "scene/transform.h"

class ControllerSet {
public:
    ControllerSet();  // stamp = frameTicks now
    ControllerSet(const ControllerSet&) = delete;
    ControllerSet& operator=(const ControllerSet&) = delete;

    // Appends a copy aimed at this set's offset.
    void add(BoundCall call);
    void startById(int32_t id);
    void stopById(int32_t id);
    void finishById(int32_t id);
    void update();

    uint32_t stamp;
    uint32_t previousStamp = 0;
    double timeScale = 1.0;
    Transform offset;
    std::vector<BoundCall> calls;

private:
    bool updating = false;
    std::vector<BoundCall> pending;  // calls added during our own update
};
