#include "show_process.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr guint killAfterMs = 3000;

}  // namespace

ShowProcess::ShowProcess(std::string program, std::function<void(bool failed)> ended)
    : program(std::move(program)), ended(std::move(ended)) {}

ShowProcess::~ShowProcess() {
    // The show never outlives the watcher: a session that ends takes both.
    if (pid == 0) return;
    g_source_remove(childWatch);
    if (killTimer) g_source_remove(killTimer);
    kill(pid, SIGTERM);
    for (guint waitedMs = 0; waitpid(pid, nullptr, WNOHANG) == 0; waitedMs += 50) {
        if (waitedMs >= killAfterMs) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            break;
        }
        g_usleep(50 * 1000);
    }
    g_spawn_close_pid(pid);
}

bool ShowProcess::start() {
    if (pid != 0) return true;
    gchar** environment = g_environ_setenv(g_get_environ(), "SDL_VIDEO_ALLOW_SCREENSAVER", "1", TRUE);
    gchar* argv[] = {const_cast<gchar*>(program.c_str()), nullptr};
    const gboolean started = g_spawn_async(nullptr, argv, environment, G_SPAWN_DO_NOT_REAP_CHILD, nullptr, nullptr,
                                           &pid, nullptr);
    g_strfreev(environment);
    if (!started) {
        pid = 0;
        return false;
    }
    childWatch = g_child_watch_add(pid, childEnded, this);
    return true;
}

void ShowProcess::end() {
    if (pid == 0 || killTimer) return;
    kill(pid, SIGTERM);
    killTimer = g_timeout_add(killAfterMs, killLate, this);
}

gboolean ShowProcess::killLate(gpointer data) {
    auto* self = static_cast<ShowProcess*>(data);
    self->killTimer = 0;
    if (self->pid != 0 && kill(self->pid, SIGKILL) == 0) self->killedLate = true;
    return G_SOURCE_REMOVE;
}

void ShowProcess::childEnded(GPid child, gint status, gpointer data) {
    auto* self = static_cast<ShowProcess*>(data);
    g_spawn_close_pid(child);
    self->pid = 0;
    self->childWatch = 0;
    if (self->killTimer) g_source_remove(self->killTimer);
    self->killTimer = 0;
    // Our own SIGTERM, or our SIGKILL after it, is no failure of the show's.
    const bool ours = WIFSIGNALED(status) && (WTERMSIG(status) == SIGTERM || self->killedLate);
    self->killedLate = false;
    const bool failed = WIFSIGNALED(status) ? !ours : WEXITSTATUS(status) != 0;
    self->ended(failed);
}
