// The heart: a beating heart model and the stream of small hearts it sends out.
//
// behaviourHeartBeat (on the heart node, endless, c = phase of the vertical
// scale): a cycle of a little over 700 ms; during its first 314 ms the heart
// rises and sinks by up to 0.7 units along its Y axis (0.1 along Z) while it
// stretches and squashes; it rests for the remainder. It sets the node's scale
// every active frame.
//
// behaviourHeartSpawner (on the spawner node, endless): one small heart per
// 30 ms of accumulated time (the remainder carries over). Each small heart is
// a billboard of "serdechko" from "main.pak", scale 0.6, that drifts at 8..22
// units per second per axis with a random sign, wobbles, and closes itself
// after 16000 ms. Random draws use rand() in a fixed order.
//
// After a long stall (a machine resumed from sleep hands one frame a step of
// hours) a frame spawns at most as many small hearts as can be alive at once
// (heartSpawnCap); the remainder rule is kept.
#pragma once

#include <cstddef>
#include <cstdint>

class SceneNode;

// Tuning: spawn density and lifetime setting, both percentages (program
// constants); the interval and lifetime in milliseconds they give.
constexpr double heartSpawnDensity = 50;
constexpr double heartLifetimeSetting = 50;
constexpr double heartSpawnIntervalMs = 30;      // at density 50
constexpr double heartLifetimeMs = 16000;        // at setting 50
constexpr int32_t heartSpawnCap = 533;           // lifetime / interval

void behaviourHeartBeat(int32_t value);
void behaviourHeartSpawner(int32_t value);

// The number of small hearts a spawner with accumulated time `t` makes now,
// and the time it keeps (in (-interval, 0] after a spawn; t when t <= 0).
int32_t heartSpawnCount(double& t);

// The small hearts alive under `root`: the children of the first node below
// it that runs behaviourHeartSpawner; 0 when there is none (before the scene
// is built, or once shutdown has taken the spawner away).
size_t smallHeartCount(const SceneNode& root);
