#include "scene/controller_set.h"

#include <cassert>
#include <cstddef>

#include "scene/frame_ticks.h"

ControllerSet::ControllerSet() : stamp(frameTicks) {}

void ControllerSet::add(BoundCall call) {
    call.target = &offset;
    assert(!updating && "a callback added a call to the set that is running it");
    if (updating) {
        pending.push_back(call);
        return;
    }
    calls.push_back(call);
}

void ControllerSet::startById(int32_t id) {
    for (BoundCall& call : calls) {
        if (call.id == id) call.start();
    }
}

void ControllerSet::stopById(int32_t id) {
    for (BoundCall& call : calls) {
        if (call.id == id) call.stop();
    }
}

void ControllerSet::finishById(int32_t id) {
    for (BoundCall& call : calls) {
        if (call.id == id) call.finish();
    }
}

void ControllerSet::update() {
    previousStamp = stamp;
    stamp = frameTicks;
    offset.resetValues();
    const uint32_t ticks = stamp - previousStamp;
    const uint32_t dt = static_cast<uint32_t>(static_cast<int64_t>(ticks * timeScale));

    updating = true;
    for (size_t i = 0; i < calls.size();) {
        if (calls[i].finished) {
            calls.erase(calls.begin() + static_cast<std::ptrdiff_t>(i));
            continue;
        }
        calls[i].tick(dt);
        ++i;
    }
    updating = false;
    if (!pending.empty()) {
        calls.insert(calls.end(), pending.begin(), pending.end());
        pending.clear();
    }
    offset.applyTranslateRotate();
}
