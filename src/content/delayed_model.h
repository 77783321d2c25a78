// One minute into the show the model "nn" of "main.pak" joins the overlay at
// half size in the middle of the view, once, and stays until the end.
// behaviourDelayedModel runs on the overlay root; it finishes its own call
// when it fires.
#pragma once

#include <cstdint>

constexpr double delayedModelAfterMs = 60000;

void behaviourDelayedModel(int32_t value);
