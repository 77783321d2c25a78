#include "watcher.h"

#include <algorithm>

namespace {

constexpr uint64_t quickFailureMs = 60 * 1000;
constexpr uint64_t firstHoldOffMs = 60 * 1000;
constexpr uint64_t longestHoldOffMs = 60 * 60 * 1000;

}  // namespace

// Names a daemon when it is another than the one named last.
bool Watcher::daemonRuns() {
    const char* daemon = actions.daemon();
    const std::string name = daemon ? daemon : "";
    if (!name.empty() && name != daemonSaid) {
        actions.say(name + " runs and shows Amber Bell itself; the watcher starts nothing while it does");
    }
    daemonSaid = name;
    return daemon != nullptr;
}

void Watcher::begin() {
    daemonRuns();
}

void Watcher::idle(uint64_t nowMs) {
    isIdle = true;
    refusedNow = false;
    if (running || hiddenNow || nowMs < holdOffUntil || daemonRuns()) return;
    const std::string refusal = actions.refusal();
    if (!refusal.empty()) {
        if (!sawRefusal) actions.say("no show: " + refusal);
        refusedNow = sawRefusal = true;
        return;
    }
    if (!actions.startShow()) {
        actions.say("the show could not be started");
        return;
    }
    running = true;
    ending = false;
    startedAtMs = nowMs;
}

void Watcher::active(uint64_t) {
    isIdle = false;
    refusedNow = sawRefusal = hiddenNow = false;
    if (running && !ending) {
        ending = true;
        actions.endShow();
    }
}

void Watcher::hidden(uint64_t, const std::string& reason) {
    if (!running || ending) return;
    hiddenNow = true;
    ending = true;
    actions.say("the show ended: " + reason);
    actions.endShow();
}

void Watcher::changed(uint64_t nowMs) {
    if (waitingForIdleReasons()) idle(nowMs);
}

void Watcher::showEnded(uint64_t nowMs, bool failed) {
    const bool quickFailure = !ending && failed && nowMs - startedAtMs < quickFailureMs;
    running = false;
    ending = false;
    if (!quickFailure) {
        holdOffMs = 0;
        return;
    }
    holdOffMs = holdOffMs == 0 ? firstHoldOffMs : std::min(holdOffMs * 2, longestHoldOffMs);
    holdOffUntil = nowMs + holdOffMs;
    actions.say("the show failed at once; the next one starts no sooner than " + std::to_string(holdOffMs / 1000) +
                " s from now");
}
