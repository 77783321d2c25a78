// What the session's watchers report to the idle watcher, apart from
// idleness itself (idle_source.h). Each is called from the GLib main loop.
#pragma once

#include <functional>
#include <string>

struct SessionEvents {
    // Nobody can see a show now: the session locked, the system going to
    // sleep, the displays blanked or off, a lock screen over the show.
    // `reason` completes "the show ended: ..." ("the session was locked").
    std::function<void(const std::string& reason)> hidden;
    // A lock or an inhibitor may have gone: worth asking again.
    std::function<void()> changed;
    // The login session is over.
    std::function<void()> ended;
};
