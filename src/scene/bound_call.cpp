#include "scene/bound_call.h"

BoundCall* currentCall = nullptr;

void BoundCall::init(int32_t newId, bool isActive, double newDuration) {
    id = newId;
    active = isActive;
    endless = newDuration == 0;
    if (!endless) duration = newDuration;
    finished = false;
    time = 0;
    elapsed = 0;
}

void BoundCall::setCall(BoundCallback fn, int32_t newValue) {
    callback = fn;
    value = newValue;
}

void BoundCall::setParams(BoundCallback fn, double newA, double newB, double newC) {
    callback = fn;
    value = 0;
    a = newA;
    b = newB;
    c = newC;
}

void BoundCall::setParams(BoundCallback fn, int32_t newType, double newA, double newB,
                          double newC) {
    setParams(fn, newA, newB, newC);
    type = newType;
}

void BoundCall::setParams(BoundCallback fn, int32_t newType, int32_t newExtra, double newA,
                          double newB, double newC) {
    setParams(fn, newType, newA, newB, newC);
    extra = newExtra;
}

void BoundCall::tick(uint32_t dt) {
    if (!active) return;
    elapsed += dt;
    if (!endless && !(duration > elapsed)) finished = true;
    time += dt;
    currentCall = this;
    if (callback) callback(value);
}
