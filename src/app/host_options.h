// The options a screensaver host (XScreenSaver and the lockers that run its
// hacks) passes on the command line. They are read only when the show runs in
// a host's window; the full-screen show takes no options. Either one or two
// leading dashes:
//   -delay N         microseconds from the start of one frame to the start of
//                    the next, at least; 0 to 1000000, default 16667 (about 60
//                    frames a second); 0 means no limit
//   -fps, -no-fps    show or hide the frame counter
//   -clock K         off | analog | digital12 | digital24
//   -clock-size K    near (large) | far (small)
//   -calendar K      off | default | russian
// The show choices win over the settings file (settings/show_choices.h).
// Other words (-root, -window-id N, run-mode switches, ...) are left to their
// readers; a word that looks like none of these is passed over.
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings.h"

struct HostOptions {
    uint32_t frameDelayUs = 16667;
};

constexpr uint32_t maxFrameDelayUs = 1000000;

// Reads the options from the blank-separated words of `commandLine` and
// applies the show choices to `settings`. A missing or bad value leaves that
// option as it was and adds one line (ending in '\n') to `warnings`.
HostOptions readHostOptions(const std::string& commandLine, Settings& settings, std::string& warnings);
