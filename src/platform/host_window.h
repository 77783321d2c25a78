// Screensaver hosts on X11 (XScreenSaver and the lockers that run its hacks)
// make a window per monitor and expect the program to draw into it instead of
// opening a full-screen window of its own. They name it in the environment
// variable XSCREENSAVER_WINDOW (hex or decimal), as "-window-id ID" or
// "--window-id ID" (hex with 0x, or decimal), or ask for the root window with
// "-root". They stop the program with SIGTERM (stop_signals.h).
#pragma once

#include <cstdint>
#include <span>

namespace platform {

struct HostWindow {
    uint64_t id = 0;  // X window id
    int32_t width = 0;
    int32_t height = 0;
};

// The words that name the host's window on the command line, for help texts
// and for the show's option reader, which leaves them to findHostWindow.
// Empty where no host hands over its window.
struct HostWindowOption {
    const char* name;       // without its dashes: "root"
    const char* valueName;  // the value's placeholder ("ID"); null for none
    const char* help;       // one line
};
std::span<const HostWindowOption> hostWindowOptions();

// The process arguments, handed over by commandLineText (command_line.h)
// before anything else runs, for host-window discovery.
void setProcessArguments(int argc, char** argv);

enum class HostWindowState {
    NotNamed,  // no host window was named: the show opens its own
    Found,     // `window` holds it and its current size
    Gone,      // one was named but no longer exists: the host has stopped us already
};

// The host's window and its current size.
HostWindowState findHostWindow(HostWindow& window);

// The current size of window `id`. False when it cannot be queried.
bool hostWindowSize(uint64_t id, int32_t& width, int32_t& height);

// Called before the video library starts on a host's window: when that window
// goes away (the host destroys it as it stops us), the X and GLX errors that
// drawing into it then raise (BadWindow, BadDrawable, GLXBadDrawable,
// GLXBadCurrentWindow and the like) are taken as a stop request
// (stop_signals.h) instead of ending the process. The video library chains
// its own error handler to this one.
void stopWhenHostWindowGoes();

// SDL's name for the video driver of the windows the show lives among
// ("x11"), so that a missing display fails the start instead of SDL falling
// back to a terminal or an invisible buffer; null where SDL's own choice is
// right.
const char* windowSystemVideoDriver();

}  // namespace platform
