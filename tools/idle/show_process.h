// ShowProcess: the full-screen show as a child process of the watcher. It
// runs the show program beside the watcher's own (the install folder's
// "amber-bell"), as the screensaver: SDL_VIDEO_ALLOW_SCREENSAVER=1 tells it
// not to hold the desktop's screensaver, lock or display sleep off. Ending it
// is SIGTERM, which the show takes as a host's stop; a show still there 3 s
// later is killed. The watcher never waits on it.
#pragma once

#include <functional>
#include <string>

#include <glib.h>

class ShowProcess {
public:
    // `program`: the show's path. `ended(failed)` is called from the main loop
    // when the show has ended: failed is true for an error status, or a
    // signal other than the SIGTERM of end().
    ShowProcess(std::string program, std::function<void(bool failed)> ended);
    ~ShowProcess();
    ShowProcess(const ShowProcess&) = delete;
    ShowProcess& operator=(const ShowProcess&) = delete;

    bool start();
    void end();
    // The running show's process id; 0 when none runs.
    GPid processId() const { return pid; }

private:
    static void childEnded(GPid pid, gint status, gpointer data);
    static gboolean killLate(gpointer data);

    std::string program;
    std::function<void(bool)> ended;
    GPid pid = 0;
    guint childWatch = 0;
    guint killTimer = 0;
    bool killedLate = false;  // our SIGKILL, 3 s after SIGTERM
};
