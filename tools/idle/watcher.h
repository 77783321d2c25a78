// Watcher: what the idle watcher does when the session goes idle, when the
// user comes back and when a running show can no longer be seen, apart from
// where those events come from (idle_source.h, session_state.h) and how the
// show is started (show_process.h), so that tests drive it with times of
// their own.
//
// Idle: the show starts, unless something refuses it (the session locked, a
// program's inhibitor), a daemon hosts the show already, or shows that ended
// by failing hold the next start off. A refusal is said once for each
// stretch of idleness; the watcher asks again when the session says
// something changed. Active: a running show is ended, whatever its own
// settings say about input. Hidden (a lock, sleep, the displays off): a
// running show is ended, and it starts again only once the user has come
// back and gone idle again. A show that ends by itself (Escape, a crash) is
// not started again until then either; one that failed within a minute of
// its start holds off the next start for a minute, doubling with each such
// failure up to an hour.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct WatcherActions {
    std::function<std::string()> refusal;         // why no show may start now; empty when one may
    std::function<const char*()> daemon;          // a daemon that hosts the show, or null
    std::function<bool()> startShow;              // false: it could not be started
    std::function<void()> endShow;                // asks the running show to end
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
    // Nobody can see a show now; `reason` completes "the show ended: ...".
    void hidden(uint64_t nowMs, const std::string& reason);
    // A lock or an inhibitor may have gone: a start refused in this stretch
    // of idleness is tried again.
    void changed(uint64_t nowMs);
    // The show ended by itself; `failed`: with an error status or a signal
    // other than ours.
    void showEnded(uint64_t nowMs, bool failed);
    // Idle with no show because of a refusal: worth asking again later, as
    // some refusals (an X client's suspension) send no word when they go.
    bool waitingForIdleReasons() const { return isIdle && !running && refusedNow; }

    bool showRunning() const { return running; }
    uint64_t holdOffUntilMs() const { return holdOffUntil; }

private:
    bool daemonRuns();

    WatcherActions actions;
    bool isIdle = false;
    bool running = false;
    bool ending = false;       // we asked the show to end
    bool refusedNow = false;   // idle, but refused at the last ask
    bool sawRefusal = false;   // said so in this stretch of idleness
    bool hiddenNow = false;    // ended for nobody seeing it: no start before the user comes back
    uint64_t startedAtMs = 0;
    uint64_t holdOffUntil = 0;
    uint64_t holdOffMs = 0;    // the next failure's hold-off; 0 before any
    std::string daemonSaid;    // the daemon last named, so that it is named once
};
