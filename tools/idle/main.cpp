// amber-bell-idle: the screensaver for sessions where no daemon runs the show
// (Wayland desktops, X11 without a screensaver daemon). It runs for the
// session: when the session has been idle for the chosen time it starts the
// show full screen, and when the user comes back it ends it, then watches
// again. It ends with the session. The choice and its minutes live in its
// autostart entry (common/idle_autostart.h); --after overrides them.
#include <CLI/CLI.hpp>

#include <fcntl.h>
#include <gio/gio.h>
#include <glib-unix.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>

#include "common/idle_autostart.h"
#include "common/idle_log.h"
#include "duration.h"
#include "idle_source.h"
#include "platform/paths.h"
#include "session_state.h"
#include "show_process.h"
#include "watcher.h"

namespace {

// Refusals that send no word when they go (an X client's suspension) are
// asked again after 30 s, then after twice as long each time, up to every
// 16 minutes: the first video to end is caught soon, an all-night one costs
// a handful of asks an hour.
constexpr guint recheckTickSeconds = 30;
constexpr guint longestRecheckTicks = 32;

// Each line goes to the user's log (common/idle_log.h), where the settings
// program shows the last, and to stderr (the journal under systemd) unless
// stderr is that log already.
void say(const std::string& line) {
    static const std::string log = idleLogPath();
    static const bool stderrIsLog = stderrIsIdleLog(log);
    if (!log.empty()) appendIdleLog(log, line, std::time(nullptr));
    if (!stderrIsLog) std::fprintf(stderr, "amber-bell-idle: %s\n", line.c_str());
}

uint64_t nowMs() {
    return static_cast<uint64_t>(g_get_monotonic_time() / 1000);
}

// Holds the session's lock file for the life of the process. Returns 0 when
// held, 1 when there is nowhere safe to keep it, 2 when another watcher holds
// it (its process id is then in `other`).
int claimSession(std::string& other) {
    const std::string path = idleLockPath();
    if (path.empty()) return 1;
    // Never through a link someone else left there.
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return 1;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        char buffer[32] = {};
        const ssize_t n = pread(fd, buffer, sizeof buffer - 1, 0);
        other = n > 0 ? std::string(buffer, static_cast<size_t>(n)) : "?";
        close(fd);
        return 2;
    }
    const std::string pid = std::to_string(getpid());
    if (ftruncate(fd, 0) != 0 || pwrite(fd, pid.data(), pid.size(), 0) < 0) {
        // The lock holds all the same; only the settings program's stop needs the number.
    }
    return 0;  // the descriptor stays open, and the lock with it
}

std::unique_ptr<IdleSource> openIdleSource(GDBusConnection* sessionBus) {
    if (auto source = openWaylandIdleSource()) return source;
    if (auto source = openMutterIdleSource(sessionBus)) return source;
    return openX11IdleSource();
}

gboolean quitLoop(gpointer loop) {
    g_main_loop_quit(static_cast<GMainLoop*>(loop));
    return G_SOURCE_CONTINUE;
}

struct Recheck {
    Watcher* watcher = nullptr;
    guint ticksLeft = 1;
    guint interval = 1;  // in ticks
};

gboolean recheck(gpointer data) {
    auto* r = static_cast<Recheck*>(data);
    if (!r->watcher->waitingForIdleReasons()) {
        r->ticksLeft = r->interval = 1;
        return G_SOURCE_CONTINUE;
    }
    if (--r->ticksLeft > 0) return G_SOURCE_CONTINUE;
    r->interval = std::min(r->interval * 2, longestRecheckTicks);
    r->ticksLeft = r->interval;
    r->watcher->changed(nowMs());
    return G_SOURCE_CONTINUE;
}

// Watches until the session ends; the show ends with it (ShowProcess).
void watchSession(IdleSource& source, uint32_t idleMs, GDBusConnection* sessionBus, GDBusConnection* systemBus) {
    GMainLoop* loop = g_main_loop_new(nullptr, FALSE);
    Watcher* watcherRef = nullptr;
    SessionState* sessionRef = nullptr;
    ShowProcess show(platform::executableDirectory() + "amber-bell", [&](bool failed) {
        sessionRef->showRunning(0);
        watcherRef->showEnded(nowMs(), failed);
    });
    SessionState session(sessionBus, systemBus,
                         {[&](const std::string& reason) { watcherRef->hidden(nowMs(), reason); },
                          [&] { watcherRef->changed(nowMs()); }, [&] { g_main_loop_quit(loop); }});
    sessionRef = &session;
    Watcher watcher({
        [&] { return session.refusal(); },
        [&] { return session.daemon(); },
        [&] {
            if (!show.start()) return false;
            session.showRunning(show.processId());
            return true;
        },
        [&] { show.end(); },
        say,
    });
    watcherRef = &watcher;
    watcher.begin();
    source.watch(idleMs, {[&] { watcher.idle(nowMs()); }, [&] { watcher.active(nowMs()); },
                          [&] { g_main_loop_quit(loop); }});
    Recheck rechecks{&watcher};
    g_timeout_add_seconds(recheckTickSeconds, recheck, &rechecks);
    // The session's end: logind removes it, its bus closes, or the session
    // manager sends a signal.
    if (sessionBus) {
        g_dbus_connection_set_exit_on_close(sessionBus, FALSE);
        g_signal_connect_swapped(sessionBus, "closed", G_CALLBACK(g_main_loop_quit), loop);
    }
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) g_unix_signal_add(signal, quitLoop, loop);
    say(std::string("watching through ") + source.name() + "; the show starts after " +
        std::to_string(idleMs / 1000) + " s without input");
    g_main_loop_run(loop);
}

// The show draws through X (Xwayland on Wayland): without an X display it
// cannot start, and watching would only refuse every time.
bool hasXDisplay() {
    const char* display = g_getenv("DISPLAY");
    return display && *display;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Starts the Amber Bell screensaver full screen when the session has been idle for the chosen time, "
                 "and ends it when the user comes back. Runs for the session; turn it on with amber-bell-config "
                 "idle MINUTES, or in the settings dialog."};
    std::string after;
    app.add_option("--after", after, "idle time before the show starts: 90s, 10m, 1h (default: the chosen minutes)");
    CLI11_PARSE(app, argc, argv);

    const IdleChoice choice = readIdleChoice(idleAutostartPath());
    uint32_t idleMs = choice.minutes * 60u * 1000u;
    // Started by the systemd user unit or the autostart entry after the
    // switch went off (the desktop hid the entry): nothing to watch.
    if (after.empty() && !choice.on) {
        say("switched off (amber-bell-config idle MINUTES turns it on): not watching");
        return 0;
    }
    if (!after.empty()) {
        const std::optional<uint32_t> parsed = parseDuration(after);
        if (!parsed) {
            say("--after takes a time from 1s to 24h such as 90s, 10m or 1h, not \"" + after + "\"");
            return 2;
        }
        idleMs = *parsed;
    }
    if (!hasXDisplay()) {
        say("no X display (DISPLAY is not set): the show needs an X server, or Xwayland on Wayland");
        return 1;
    }
    std::string other;
    switch (claimSession(other)) {
    case 1:
        say("XDG_RUNTIME_DIR is not set or not usable: the watcher keeps its one-per-session lock only there");
        return 1;
    case 2:
        say("already watching this session (process " + other + ")");
        return 0;
    default:
        break;
    }
    GDBusConnection* sessionBus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    GDBusConnection* systemBus = g_bus_get_sync(G_BUS_TYPE_SYSTEM, nullptr, nullptr);
    std::unique_ptr<IdleSource> source = openIdleSource(sessionBus);
    if (!source) {
        say("no way to tell when the session is idle: looked for ext-idle-notify-v1 on Wayland, Mutter's "
            "IdleMonitor on the session bus and the X server's idle time (the SYNC extension)");
        return 1;
    }
    watchSession(*source, idleMs, sessionBus, systemBus);
    return 0;
}
