// Requests from outside the process to stop the show or to report on it. On
// POSIX they are signals: hosts stop their hacks with SIGTERM, a terminal
// with SIGINT, and SIGUSR1 asks for one status line (soak tests and curious
// users read it on stderr). Windows sends a GUI program no signals, so there
// installing them does nothing and only requestStop raises the flag.
#pragma once

namespace platform {

// From now on SIGTERM and SIGINT only raise the flag stopSignalled()
// reports, so the show can close itself down in its own time, and SIGUSR1
// raises the one statusRequested() reports.
void installStopSignals();

// True once a stop was asked for; it stays raised.
bool stopSignalled();

// True once per status request.
bool statusRequested();

// Raise the flags as the signals do; safe in a signal handler. The host
// window's watch (host_window.h) stops the show this way too.
void requestStop();
void requestStatus();

}  // namespace platform
