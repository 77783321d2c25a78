// Windows has no screensaver hosts that hand their window to a hack, and no
// signals that ask a GUI program to stop: the null versions.
#include "platform/host_window.h"

namespace platform {

void setProcessArguments(int, char**) {}

bool findHostWindow(HostWindow&) {
    return false;
}

bool hostWindowSize(uint64_t, int32_t&, int32_t&) {
    return false;
}

void installStopSignals() {}

bool stopSignalled() {
    return false;
}

bool statusRequested() {
    return false;
}

void stopWhenHostWindowGoes() {}

}  // namespace platform
