// BoundCall: one running animation or behaviour — a callback bound to its
// parameters, a lifetime in milliseconds of active time and an on/off state.
// A plain record copied by value: into an ActionList state, and from there
// into a node's ControllerSet, which ticks it once per frame.
//
// Lifetimes: `init` with duration 0 makes an endless call; a negative duration
// makes a one-shot call (its first tick finishes it and still runs the
// callback); any other duration finishes it in the first tick whose elapsed
// active time reaches it. A finished call is removed at its set's next update.
//
// The callback receives `value`; it reads everything else through the global
// `currentCall` (this record, valid only while the callback runs) and
// `currentNode` (the node that owns the set).
#pragma once

#include <cstdint>

class Transform;

using BoundCallback = void (*)(int32_t value);

class BoundCall {
public:
    void init(int32_t id, bool active, double duration);
    void setCall(BoundCallback fn, int32_t value);
    void setParams(BoundCallback fn, double a, double b, double c);
    void setParams(BoundCallback fn, int32_t type, double a, double b, double c);
    void setParams(BoundCallback fn, int32_t type, int32_t extra, double a, double b, double c);
    void start() { active = true; }
    void stop() { active = false; }
    void finish() { finished = true; }
    bool isFinished() const { return finished; }
    int32_t getId() const { return id; }
    // Advances an active call by dt milliseconds and runs its callback.
    void tick(uint32_t dt);

    Transform* target = nullptr;  // the holding set's offset
    double time = 0;              // active milliseconds; behaviours read it as t
    int32_t type = 0;             // axis 0/1/2, clock hand 1/2/3, content selector
    int32_t extra = 0;
    double a = 0, b = 0, c = 0;
    BoundCallback callback = nullptr;
    int32_t value = 0;
    int32_t id = 0;
    bool active = false;
    bool endless = false;
    bool finished = false;
    double duration = 0;  // milliseconds; unused when endless
    double elapsed = 0;
};

// The call whose callback is running.
extern BoundCall* currentCall;
