#include "systemd_user.h"

#include <errno.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>

extern char** environ;

int runUserSystemctl(const std::vector<std::string>& arguments) {
    const char* standIn = std::getenv("AMBER_TEST_SYSTEMCTL");
    const std::string program = standIn && *standIn ? standIn : "systemctl";
    std::vector<std::string> words = {program, "--user"};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);

    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
    for (int fd : {1, 2}) posix_spawn_file_actions_addopen(&files, fd, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    // A bare name is looked for on PATH.
    const int failed = posix_spawnp(&pid, program.c_str(), &files, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (failed != 0) return -1;
    int status = 0;
    while (waitpid(pid, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}
