// The flags behind the stop and status requests: the same on every platform,
// no OS header. Plain sig_atomic_t stores, so signal handlers may raise them.
#include "platform/stop_signals.h"

#include <csignal>

namespace platform {
namespace {

volatile std::sig_atomic_t stopRequested = 0;
volatile std::sig_atomic_t statusWanted = 0;

}  // namespace

bool stopSignalled() {
    return stopRequested != 0;
}

bool statusRequested() {
    if (statusWanted == 0) return false;
    statusWanted = 0;
    return true;
}

void requestStop() {
    stopRequested = 1;
}

void requestStatus() {
    statusWanted = 1;
}

}  // namespace platform
