// The options of the show on its command line, in the style of XScreenSaver's
// hacks: one leading dash or two, each option once or more (the last wins).
// They apply full screen and in a screensaver host's window alike:
//   -delay N         microseconds from the start of one frame to the start of
//                    the next, at least; 0 to 1000000; default 16667 (about 60
//                    frames a second) in a host's window; full screen 0 (no
//                    limit) while the display's refresh paces the frames, else
//                    16667 (frame_pacer.h)
//   -fps, -no-fps    show or hide the frame counter
//   -clock K         off | analog | digital12 | digital24
//   -clock-size K    near (large) | far (small)
//   -calendar K      off | default | russian
//   -multisample K   on | off: ask for 4x multisampled buffers (smooth edges)
//                    or for none at all; by default on, but not full screen
//                    on a software rasteriser (platform/gl_renderer.h). A
//                    host's window keeps the host's visual: off then leaves
//                    its samples unused
// The show choices win over the settings file (settings/show_choices.h).
// The words naming a host's window ("-root", "-window-id N":
// platform/host_window.h) are left to their reader, and words without a
// leading dash (run-mode switches, numbers) are not options. Any other word
// with a dash is named in a warning and passed over: hosts expect the show to
// start anyway.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/gl_renderer.h"
#include "settings/settings.h"

struct HostOptions {
    std::optional<uint32_t> frameDelayUs;  // set when -delay was given
    platform::Multisampling multisample = platform::Multisampling::automatic;
};

constexpr uint32_t maxFrameDelayUs = 1000000;
constexpr uint32_t hostedFrameDelayUs = 16667;

// The delay between frame starts in microseconds: the one given, else the
// default of a host's window or of the full-screen show.
uint32_t frameDelayUs(const HostOptions& options, bool inHostWindow);
// The delay the full-screen show takes on when the display does not pace its
// frames (FramePacer's unsynced cap); 0 when -delay was given or in a host's
// window.
uint32_t unsyncedFrameCapUs(const HostOptions& options, bool inHostWindow);

// Reads the options from the blank-separated words of `commandLine` and
// applies the show choices to `settings`. A missing or bad value leaves that
// option as it was, and it and an unknown option each add one line (ending in
// '\n') to `warnings`.
HostOptions readHostOptions(const std::string& commandLine, Settings& settings, std::string& warnings);

// Every option with its value, units, range and default, one or more lines
// each, for the usage text.
std::string hostOptionsHelp();
