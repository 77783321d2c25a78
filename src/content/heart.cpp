#include "content/heart.h"

#include <cmath>
#include <cstdlib>

#include "content/show_models.h"
#include "scene/attach_calls.h"
#include "scene/behaviours.h"
#include "scene/hooks.h"
#include "scene/scene_node.h"

namespace {

constexpr double beatCycleMs = 700;
constexpr double beatActiveMs = 314;
constexpr double beatPhaseP = 3.14159265358978;  // a little below pi
constexpr double wobblePhaseZ = 1.57079632679489;

static_assert(heartSpawnIntervalMs == (heartSpawnDensity - 50) * 25 / (-50) + 30);
static_assert(heartLifetimeMs == (100 - heartLifetimeSetting) * 18000 / 100 + 7000);
static_assert(heartSpawnCap == static_cast<int32_t>(heartLifetimeMs / heartSpawnIntervalMs));

int randomBelow(int k) {
    return std::rand() % k;
}

double randomSign() {
    return 1 - 2 * randomBelow(2);
}

// Drift speed: a random sign, then a whole number of units per second 8..22.
double driftSpeed() {
    const double sign = randomSign();
    return sign * (8 + randomBelow(150) / 10);
}

BoundCall wobble(int32_t axis, double phase) {
    const double amplitude = randomBelow(20) / 10;
    const double frequency = randomBelow(50) / 10;
    BoundCall call = endlessCall();
    call.setParams(behaviourOscillate, axis, amplitude, frequency, phase);
    return call;
}

BoundCall drift(int32_t axis) {
    BoundCall call = endlessCall();
    call.setParams(behaviourDrift, axis, driftSpeed(), 0, 0);
    return call;
}

SceneNode* makeSmallHeart() {
    auto* heart = new SceneNode;
    heart->addHook(hookBillboard, 0);
    heart->loadModel(smallHeartModel.package, smallHeartModel.entry);
    heart->setTranslation(0, 0, 0);
    heart->setScale(0.6, 0.6, 0.6);
    BoundCall expire = endlessCall();
    expire.setParams(behaviourExpire, heartLifetimeMs, 0, 0);
    // Each call draws its random numbers in table order: X, Z, Y drift, then
    // the X, Y, Z wobbles.
    const BoundCall driftX = drift(0);
    const BoundCall driftZ = drift(2);
    const BoundCall driftY = drift(1);
    const BoundCall wobbleX = wobble(0, 0);
    const BoundCall wobbleY = wobble(1, 1.0);
    const BoundCall wobbleZ = wobble(2, wobblePhaseZ);
    attachCalls(*heart, {expire, driftX, driftZ, driftY, wobbleX, wobbleY, wobbleZ});
    return heart;
}

}  // namespace

void behaviourHeartBeat(int32_t) {
    BoundCall& call = *currentCall;
    if (call.time > beatCycleMs) call.time = 0;
    if (!(call.time < beatActiveMs)) return;
    const double phase = call.time / 50;
    const double s = std::sin(phase);
    call.target->translate(0, 0.7 * s, 0.1 * s);
    const double across = 0.97 + 0.015 * std::sin(phase + beatPhaseP);
    currentNode->setScale(across, 0.97 + 0.05 * std::sin(phase + call.c), across);
}

int32_t heartSpawnCount(double& t) {
    if (!(t > 0)) return 0;
    // A stall of hours: skip ahead to the remainder in one step.
    if (t > heartSpawnCap * heartSpawnIntervalMs) {
        t -= std::ceil(t / heartSpawnIntervalMs) * heartSpawnIntervalMs;
        return heartSpawnCap;
    }
    int32_t n = 0;
    do {
        ++n;
        if (heartSpawnDensity >= 50) t -= (heartSpawnDensity - 50) * 25 / (-50) + 30;
        if (heartSpawnDensity < 50) t -= (50 - heartSpawnDensity) * 70 / 50 + 30;
    } while (t > 0);
    return n < heartSpawnCap ? n : heartSpawnCap;
}

void behaviourHeartSpawner(int32_t) {
    const int32_t count = heartSpawnCount(currentCall->time);
    SceneNode* spawner = currentNode;
    for (int32_t i = 0; i < count; ++i) spawner->addChild(makeSmallHeart());
}

size_t smallHeartCount(const SceneNode& root) {
    for (const BoundCall& call : root.controllers.calls) {
        if (call.callback == behaviourHeartSpawner) return root.children.size();
    }
    // The small hearts run no spawner and hold no children: no need to look
    // below them.
    for (const SceneNode* child : root.children) {
        if (child->children.empty()) continue;
        if (const size_t count = smallHeartCount(*child)) return count;
    }
    return 0;
}
