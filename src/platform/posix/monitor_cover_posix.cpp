// X11 screensaver hosts start one program per screen: nothing to cover.
#include "platform/monitor_cover.h"

namespace platform {

std::vector<MonitorArea> listMonitors() {
    return {};
}

void coverMonitors(const std::vector<MonitorArea>&) {}

void uncoverMonitors() {}

bool pointerMovedOverCovers() {
    return false;
}

}  // namespace platform
