// Windows lists the screensaver in its own settings: the switch is not offered.
#include "idle_switch.h"

bool idleSwitchOffered() {
    return false;
}

IdleChoice currentIdleChoice() {
    return {};
}

bool applyIdleChoice(const IdleChoice&, std::string& error, std::string&) {
    error = "not offered on Windows";
    return false;
}

int runningWatcherId() {
    return 0;
}

std::string lastWatcherLogLine() {
    return "";
}
