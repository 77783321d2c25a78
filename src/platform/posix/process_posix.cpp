#include "platform/process.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace platform {

bool startProgram(const std::string& path, const std::string& workingDirectory, bool wait) {
    posix_spawn_file_actions_t actions;
    if (posix_spawn_file_actions_init(&actions) != 0) return false;
    // The chdir runs in the child before exec; if it fails, so does the spawn.
    if (posix_spawn_file_actions_addchdir_np(&actions, workingDirectory.c_str()) != 0) {
        posix_spawn_file_actions_destroy(&actions);
        return false;
    }
    std::string program = path;
    char* argv[] = {program.data(), nullptr};
    pid_t child = 0;
    const int result = posix_spawn(&child, path.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (result != 0) return false;
    if (wait) {
        int status = 0;
        while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
    }
    return true;
}

void putEnvironment(const std::string& assignment) {
    // putenv keeps the pointer it is given and the environment lives as long as
    // the process, so the copy is deliberately never freed.
    putenv(strdup(assignment.c_str()));
}

}  // namespace platform
