// monitor-list.exe: the monitors as Windows lists them, one a line:
// "LEFT,TOP WIDTHxHEIGHT[ primary]".
#include <cstdio>

#include "platform/monitor_cover.h"

int main() {
    for (const platform::MonitorArea& m : platform::listMonitors()) {
        std::printf("%d,%d %dx%d%s\n", m.left, m.top, m.width, m.height, m.primary ? " primary" : "");
    }
    return 0;
}
