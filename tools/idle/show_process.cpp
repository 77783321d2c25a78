#include "show_process.h"

#include <signal.h>
#include <sys/wait.h>

ShowProcess::ShowProcess(std::string program, std::function<void(bool failed)> ended)
    : program(std::move(program)), ended(std::move(ended)) {}

ShowProcess::~ShowProcess() {
    // The show never outlives the watcher: a session that ends takes both.
    if (pid != 0) {
        g_source_remove(childWatch);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        g_spawn_close_pid(pid);
    }
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
    if (pid != 0) kill(pid, SIGTERM);
}

void ShowProcess::childEnded(GPid child, gint status, gpointer data) {
    auto* self = static_cast<ShowProcess*>(data);
    g_spawn_close_pid(child);
    self->pid = 0;
    self->childWatch = 0;
    const bool failed = WIFSIGNALED(status) ? WTERMSIG(status) != SIGTERM : WEXITSTATUS(status) != 0;
    self->ended(failed);
}
