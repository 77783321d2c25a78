#include "session_state.h"

#include "dbus_calls.h"

SessionState::SessionState(GDBusConnection* sessionBus, GDBusConnection* systemBus, SessionEvents events)
    : sessionBus(sessionBus),
      events(std::move(events)),
      service(sessionBus, [this] { this->events.changed(); }),
      logind(systemBus, this->events),
      desktop(sessionBus, this->events, service),
      x11(this->events),
      wayland(this->events) {}

std::string SessionState::refusal() {
    if (logind.locked() || desktop.locked()) return "the session is locked";
    if (wayland.allOff()) return "the displays are off";
    if (logind.idleInhibited()) return "a program holds an idle inhibitor (systemd-inhibit)";
    const std::string desktopInhibitor = desktop.inhibitor();
    if (!desktopInhibitor.empty()) return "a program asks for no screensaver (through " + desktopInhibitor + ")";
    const std::string application = service.inhibitor();
    if (!application.empty()) return "a program asks for no screensaver (" + application + ")";
    if (x11.screensaverSuspended()) return "a program holds the X server's screensaver suspended";
    return "";
}

const char* SessionState::daemon() {
    if (x11.xscreensaverRuns()) return "XScreenSaver";
    if (dbus::nameOwned(sessionBus, "org.mate.ScreenSaver")) return "MATE's screensaver";
    if (dbus::nameOwned(sessionBus, "org.xfce.ScreenSaver")) return "Xfce's screensaver";
    return nullptr;
}

void SessionState::showRunning(pid_t pid) {
    x11.watchShow(pid);
    service.setActive(pid != 0);
}
