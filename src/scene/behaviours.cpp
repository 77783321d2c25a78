#include "scene/behaviours.h"

#include <cmath>
#include <ctime>

#include "scene/bound_call.h"
#include "scene/local_time.h"
#include "scene/scene_node.h"
#include "scene/transform.h"

namespace {

void translateAlong(Transform& target, int32_t axis, double amount) {
    switch (axis) {
    case 0: target.translate(amount, 0, 0); break;
    case 1: target.translate(0, amount, 0); break;
    case 2: target.translate(0, 0, amount); break;
    default: break;
    }
}

void rotateAbout(Transform& target, int32_t axis, double degrees) {
    switch (axis) {
    case 0: target.rotate(degrees, 0, 0); break;
    case 1: target.rotate(0, degrees, 0); break;
    case 2: target.rotate(0, 0, degrees); break;
    default: break;
    }
}

}  // namespace

void behaviourExpire(int32_t) {
    if (currentCall->time > currentCall->a) currentNode->markClosing();
}

void behaviourOscillate(int32_t) {
    const BoundCall& call = *currentCall;
    translateAlong(*call.target, call.type, call.a * std::sin(call.time * call.b / 1000 + call.c));
}

void behaviourDrift(int32_t) {
    const BoundCall& call = *currentCall;
    translateAlong(*call.target, call.type, call.time * call.a / 1000);
}

void behaviourSpin(int32_t) {
    const BoundCall& call = *currentCall;
    rotateAbout(*call.target, call.type, call.time * call.a / 1000 + call.b);
}

void behaviourClockHand(int32_t) {
    const BoundCall& call = *currentCall;
    const std::tm now = localTimeNow();
    int angle;
    switch (call.type) {
    case 1: angle = -6 * now.tm_sec; break;
    case 2: angle = -6 * now.tm_min; break;
    case 3: angle = -30 * now.tm_hour - now.tm_min / 2; break;
    default: return;
    }
    call.target->setRotation(0, 0, angle);
}
