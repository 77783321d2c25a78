#include "platform/stop_signals.h"

#include <csignal>

namespace platform {
namespace {

void raiseStop(int) {
    requestStop();
}

void raiseStatus(int) {
    requestStatus();
}

}  // namespace

void installStopSignals() {
    struct sigaction action {};
    action.sa_handler = raiseStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    action.sa_handler = raiseStatus;
    sigaction(SIGUSR1, &action, nullptr);
}

}  // namespace platform
