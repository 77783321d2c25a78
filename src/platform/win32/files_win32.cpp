#include <windows.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include "platform/files.h"

namespace platform {

std::FILE* createNewFile(const std::string& path) {
    // msvcrt's fopen knows no "x" mode; _O_EXCL is its way of refusing a file
    // that exists.
    const int descriptor = _open(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                                 _S_IREAD | _S_IWRITE);
    if (descriptor < 0) return nullptr;
    std::FILE* file = _fdopen(descriptor, "wb");
    if (!file) _close(descriptor);
    return file;
}

bool flushToDisk(std::FILE* file) {
    return std::fflush(file) == 0 && _commit(_fileno(file)) == 0;
}

bool replaceFile(const std::string& from, const std::string& to, std::string& error) {
    if (MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    const DWORD code = GetLastError();
    char text[256] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                        code, 0, text, sizeof text, nullptr);
    error = length > 0 ? std::string(text, length) : "system error " + std::to_string(code);
    while (!error.empty() && (error.back() == '\n' || error.back() == '\r' || error.back() == '.')) {
        error.pop_back();
    }
    return false;
}

}  // namespace platform
