// Watcher: what the idle watcher does when the session goes idle and when the
// user comes back, apart from where those events come from (idle_source.h)
// and how the show is started (show_process.h), so that tests drive it with
// times of their own.
//
// Idle: the show starts, unless the session is locked, the session asks for
// no screensaver (an inhibitor), a daemon hosts the show already, or shows
// that ended by failing hold the next start off. Active: a running show is
// ended, whatever its own settings say about input. A show that ends by
// itself (Escape, a crash) is not started again until the user has come back
// and gone idle again; one that failed within a minute of its start holds off
// the next start for a minute, doubling with each such failure up to an hour.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct WatcherActions {
    std::function<bool()> locked;             // the session is locked
    std::function<bool()> inhibited;          // something asks for no screensaver now
    std::function<const char*()> daemon;      // a daemon that hosts the show, or null
    std::function<bool()> startShow;          // false: it could not be started
    std::function<void()> endShow;            // asks the running show to end
    std::function<void(const std::string&)> say;  // one line for the user
};

class Watcher {
public:
    explicit Watcher(WatcherActions actions) : actions(std::move(actions)) {}

    // Says so when a daemon runs already as the watch begins.
    void begin();

    // The events, each with the time in milliseconds on a steady clock.
    void idle(uint64_t nowMs);
    void active(uint64_t nowMs);
    // The show ended by itself; `failed`: with an error status or a signal
    // other than ours.
    void showEnded(uint64_t nowMs, bool failed);
    // While idle with no show, whether it is worth asking again later (the
    // inhibitor or the lock may go while the user stays away).
    bool waitingForIdleReasons() const { return isIdle && !running && declinedForNow; }

    bool showRunning() const { return running; }
    uint64_t holdOffUntilMs() const { return holdOffUntil; }

private:
    bool daemonRuns();

    WatcherActions actions;
    bool isIdle = false;
    bool running = false;
    bool ending = false;          // we asked the show to end
    bool declinedForNow = false;  // idle, but locked or inhibited at the time
    bool declinedBefore = false;  // said so in this stretch of idleness
    uint64_t startedAtMs = 0;
    uint64_t holdOffUntil = 0;
    uint64_t holdOffMs = 0;       // the next failure's hold-off; 0 before any
    std::string daemonSaid;       // the daemon last named, so that it is named once
};
