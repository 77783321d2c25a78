#include "platform/replace_whole_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "platform/files.h"

namespace platform {

bool replaceWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error,
                      FileAccess access) {
    // A fresh name beside the target; a file of that name is never reused.
    std::random_device entropy;
    std::string temporary;
    std::FILE* out = nullptr;
    for (int attempt = 0; attempt < 16 && !out; ++attempt) {
        temporary = path + ".new-" + std::to_string(entropy() % 1000000000u);
        out = createNewFile(temporary, access);
        if (!out && errno != EEXIST) break;
    }
    if (!out) {
        error = path + ": cannot create a new file beside it: " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() && flushToDisk(out);
    const std::string writeError = written ? std::string() : std::strerror(errno);
    const bool closed = std::fclose(out) == 0;
    if (!written || !closed) {
        error = path + ": writing the new contents failed: " + (written ? std::strerror(errno) : writeError);
        std::remove(temporary.c_str());
        return false;
    }
    std::string replaceError;
    if (!replaceFile(temporary, path, replaceError)) {
        error = path + ": cannot replace the file: " + replaceError;
        std::remove(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace platform
