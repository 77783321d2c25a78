#include "idle_switch.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "common/idle_log.h"
#include "platform/paths.h"
#include "systemd_user.h"

extern char** environ;

namespace {

std::string watcherProgram() {
    return platform::executableDirectory() + "idle";
}

// The process id of the session's running watcher, 0 when none runs: the lock
// file is held by the watcher for as long as it runs.
pid_t runningWatcher() {
    const int fd = open(idleLockPath().c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return 0;
    pid_t pid = 0;
    if (flock(fd, LOCK_SH | LOCK_NB) != 0) {
        char buffer[32] = {};
        if (read(fd, buffer, sizeof buffer - 1) > 0) pid = static_cast<pid_t>(std::atol(buffer));
    }
    close(fd);
    return pid;
}

void stopWatcher() {
    const pid_t pid = runningWatcher();
    if (pid <= 0) return;
    kill(pid, SIGTERM);
    // Its lock goes with it; a new watcher started before that would leave.
    for (int i = 0; i < 50 && runningWatcher() == pid; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

// The watcher's log, open for its stdout and stderr; -1 when there is none.
// Kept above 2, where handing it on cannot clash with the three it becomes.
int logForOutput() {
    const int fd = openIdleLog(idleLogPath());
    if (fd < 0 || fd > 2) return fd;
    const int moved = fcntl(fd, F_DUPFD_CLOEXEC, 3);
    close(fd);
    return moved;
}

bool startWatcher() {
    const std::string program = watcherProgram();
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    // A session of its own: it outlives the settings program and its terminal.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    // Nothing of ours held open: a script reading this program's output
    // through a pipe would otherwise wait for the watcher to end. What it
    // says goes to its log instead.
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    const int log = logForOutput();
    for (int fd : {1, 2}) {
        if (log >= 0) posix_spawn_file_actions_adddup2(&files, log, fd);
        else posix_spawn_file_actions_addopen(&files, fd, "/dev/null", O_WRONLY, 0);
    }
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, program.c_str(), &files, &attributes, argv, environ) == 0;
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    if (log >= 0) close(log);
    return started;
}

// The user unit: enabled where the session is systemd's, disabled wherever
// it is enabled. Its failures leave the autostart entry in charge.
void applyIdleUnit(bool on, std::string& warning) {
    const char* verb = on ? "enable" : "disable";
    if (on && runUserSystemctl({"is-active", "--quiet", "graphical-session.target"}) != 0) return;
    if (!on && runUserSystemctl({"is-enabled", "--quiet", idleUnitName}) != 0) return;
    if (runUserSystemctl({verb, idleUnitName}) == 0) return;
    warning = std::string("systemctl --user ") + verb + " " + idleUnitName + " failed; " +
              (on ? "the autostart entry starts the watcher all the same"
                  : "the unit may start the watcher at the next login");
}

}  // namespace

bool idleSwitchOffered() {
    return true;
}

IdleChoice currentIdleChoice() {
    return readIdleChoice(idleAutostartPath());
}

bool applyIdleChoice(const IdleChoice& choice, std::string& error, std::string& warning) {
    warning.clear();
    if (!writeIdleChoice(idleAutostartPath(), choice, watcherProgram(), error)) return false;
    applyIdleUnit(choice.on, warning);
    stopWatcher();
    if (choice.on && !startWatcher()) {
        error = "cannot start " + watcherProgram();
        return false;
    }
    return true;
}

int runningWatcherId() {
    return static_cast<int>(runningWatcher());
}

std::string lastWatcherLogLine() {
    return lastIdleLogLine(idleLogPath());
}
