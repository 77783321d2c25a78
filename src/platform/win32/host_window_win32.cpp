// Windows has no screensaver hosts that hand their window to a hack: the null
// versions.
#include "platform/host_window.h"

namespace platform {

std::span<const HostWindowOption> hostWindowOptions() {
    return {};
}

void setProcessArguments(int, char**) {}

HostWindowState findHostWindow(HostWindow&) {
    return HostWindowState::NotNamed;
}

bool hostWindowSize(uint64_t, int32_t&, int32_t&) {
    return false;
}

void stopWhenHostWindowGoes() {}

const char* windowSystemVideoDriver() {
    return nullptr;  // SDL 1.2 on Windows has only its own window drivers
}

}  // namespace platform
