#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/win32/every_user_file_security.h"

namespace platform {

namespace {

// errno for the reason CreateFileA gave.
int errnoFor(DWORD code) {
    switch (code) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS: return EEXIST;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION: return EACCES;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_FILE_NOT_FOUND: return ENOENT;
    default: return EIO;
    }
}

}  // namespace

std::FILE* createNewFile(const std::string& path, FileAccess access) {
    EveryUserFileSecurity everyUser;
    SECURITY_ATTRIBUTES* security = nullptr;
    if (access == FileAccess::everyUserMayReplace) {
        security = everyUser.attributes();
        if (!security) {
            errno = ENOMEM;
            return nullptr;
        }
    }
    // CREATE_NEW refuses a file that exists; the descriptor is set as the
    // file is made, so no other user ever sees it without it.
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, 0, security, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        errno = errnoFor(GetLastError());
        return nullptr;
    }
    const int descriptor = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_WRONLY | _O_BINARY);
    if (descriptor < 0) {
        CloseHandle(handle);
        return nullptr;
    }
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
