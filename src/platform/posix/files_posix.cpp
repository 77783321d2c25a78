#include "platform/files.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

std::FILE* createNewFile(const std::string& path, FileAccess) {
    return std::fopen(path.c_str(), "wbx");
}

bool flushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && fsync(fileno(file)) == 0;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& error) {
    if (std::rename(from.c_str(), to.c_str()) == 0) return true;
    error = std::strerror(errno);
    return false;
}

}  // namespace platform
