#include "common/idle_log.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// mkdir -p with mode 0700 for what it makes; folders already there stay as they are.
void makeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return;
        if (slash == std::string::npos) return;
    }
}

bool writeAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t written = write(fd, data, size);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// Reads `size` bytes at `offset`; fewer only at the end of the file.
std::string readAt(int fd, std::size_t size, off_t offset) {
    std::string bytes(size, '\0');
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = pread(fd, bytes.data() + got, size - got, offset + static_cast<off_t>(got));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

// Past the limit, keeps the newer half from its first whole line. Under an
// exclusive lock, as two sessions' watchers may share the file.
void trimLog(int fd) {
    struct stat status;
    if (fstat(fd, &status) != 0 || static_cast<std::size_t>(status.st_size) <= maxIdleLogBytes) return;
    if (flock(fd, LOCK_EX) != 0) return;
    if (fstat(fd, &status) == 0 && static_cast<std::size_t>(status.st_size) > maxIdleLogBytes) {
        const std::size_t keep = static_cast<std::size_t>(status.st_size) / 2;
        std::string tail = readAt(fd, keep, status.st_size - static_cast<off_t>(keep));
        if (tail.size() == keep) {
            const std::size_t lineStart = tail.find('\n');
            tail.erase(0, lineStart == std::string::npos ? 0 : lineStart + 1);
            // O_APPEND: after the truncation the kept lines land at the start.
            if (ftruncate(fd, 0) == 0) writeAll(fd, tail.data(), tail.size());
        }
    }
    flock(fd, LOCK_UN);
}

}  // namespace

std::string idleLogPath() {
    std::string state = environment("XDG_STATE_HOME");
    if (state.empty() || state[0] != '/') {
        const std::string home = environment("HOME");
        if (home.empty()) return "";
        state = home + "/.local/state";
    }
    return state + "/amber-bell/idle.log";
}

int openIdleLog(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (path.empty() || slash == std::string::npos) return -1;
    if (slash > 0) makeFolders(path.substr(0, slash));
    // Not blocking: a FIFO put in its place must not hang the caller.
    const int fd = open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0600);
    if (fd < 0) return -1;
    struct stat status;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

void appendIdleLog(const std::string& path, const std::string& line, std::time_t when) {
    const int fd = openIdleLog(path);
    if (fd < 0) return;
    std::tm local{};
    char stamp[8] = "--:--";
    if (localtime_r(&when, &local)) std::strftime(stamp, sizeof stamp, "%H:%M", &local);
    const std::string text = std::string(stamp) + ": " + line + '\n';
    // One write: lines of two writers never interleave inside a line.
    if (writeAll(fd, text.data(), text.size())) trimLog(fd);
    close(fd);
}

std::string lastIdleLogLine(const std::string& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return "";
    struct stat status;
    std::string tail;
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
        const std::size_t size = static_cast<std::size_t>(status.st_size);
        const std::size_t count = size < idleLogTailBytes ? size : idleLogTailBytes;
        tail = readAt(fd, count, static_cast<off_t>(size - count));
    }
    close(fd);
    const std::size_t end = tail.find_last_not_of("\r\n \t");
    if (end == std::string::npos) return "";
    const std::size_t lineEnd = tail.find_last_of('\n', end);
    const std::size_t start = lineEnd == std::string::npos ? 0 : lineEnd + 1;
    return tail.substr(start, end + 1 - start);
}

bool stderrIsIdleLog(const std::string& path) {
    struct stat log, err;
    return !path.empty() && stat(path.c_str(), &log) == 0 && fstat(STDERR_FILENO, &err) == 0 &&
           log.st_dev == err.st_dev && log.st_ino == err.st_ino;
}
