// Blacking out the monitors the full-screen show does not fill. On Windows
// the show takes the primary monitor; every other one gets a black, top-most
// window with no taskbar button that never takes the focus, so nothing of the
// desktop shows there while the show runs. On POSIX nothing is done: X11
// screensaver hosts run one program per screen themselves.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// A monitor's area in virtual-screen pixels.
struct MonitorArea {
    int32_t left = 0;
    int32_t top = 0;
    int32_t width = 0;
    int32_t height = 0;
    bool primary = false;  // the monitor a full-screen mode fills
};

// The monitors as the system lists them now (empty on POSIX).
std::vector<MonitorArea> listMonitors();

// Covers every monitor of `monitors` that is not the primary one. The cover
// windows belong to the calling thread, whose event loop (SDL's, which takes
// every message of the thread) keeps them painted. Call once; a second call
// adds covers over the first.
void coverMonitors(const std::vector<MonitorArea>& monitors);

// Removes every cover; the desktop shows again. Safe without covers.
void uncoverMonitors();

// True once after the pointer has moved over a cover since the last call: the
// show's own window never sees that motion. Where the pointer stood when the
// covers came is not motion.
bool pointerMovedOverCovers();

}  // namespace platform
