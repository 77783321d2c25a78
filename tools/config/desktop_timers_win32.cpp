// Windows keeps its own screensaver timer, which starts the show itself.
#include "desktop_timers.h"

DesktopTimers readDesktopTimers() {
    return {};
}

bool setDesktopIdleDelay(DesktopKind, uint32_t, std::string& error) {
    error = "not offered on Windows";
    return false;
}
