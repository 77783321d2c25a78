// Rendering the show offscreen: the real start-up, frames and shutdown of the
// render mode (HeadlessDriver) on an offscreen EGL context, with the tick count,
// the random seed and the local time in the caller's hands.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "picture.h"
#include "settings/settings.h"
#include "wall_clock.h"

struct SnapshotRequest {
    Settings settings;
    int32_t width = 1024;     // pixels of the picture
    int32_t height = 768;
    int32_t supersample = 1;  // rendered this many times larger, then reduced
    std::string saverDir;     // ends with '/'
    unsigned seed = 1;        // srand before the scene is built
    WallClock start;          // local time at tick 0; advances with the show
    bool realTime = false;    // use the machine's clock instead of `start`
    uint32_t atMs = 5000;     // show time of the last frame
    uint32_t stepMs = 20;     // frames this far apart
    uint32_t everyMs = 0;     // also hand out a frame at each multiple (0: none)
    bool heartOnly = false;   // only the heart, on black, without overlays (heart_only.h)
};

// Steps the show to `atMs` and returns the last frame. `onFrame` (optional)
// receives the frames at multiples of everyMs with their tick. False with
// `error` set when no context can be made or the packages are missing.
bool renderShow(const SnapshotRequest& request, Picture& last,
                const std::function<void(uint32_t, const Picture&)>& onFrame, std::string& error);
