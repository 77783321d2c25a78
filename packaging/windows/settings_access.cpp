// settings-access.exe: setup's way to give the settings file in the
// application-data folder all users share the access every save gives it
// (SYSTEM and Administrators full control, Users modify; see
// src/platform/win32/every_user_file_security.h), when an older version saved
// it with its saver's access alone.
//
//   settings-access.exe PATH
//
// Any user may put something at that path before setup runs: a hard link to a
// file they may not change, or a link to one. Setup runs elevated, so opening
// that up would hand them the other file. Only a regular file with one name
// gets the access, set through the handle it was checked on; anything else
// loses its name there (the other file stays as it is), and the next save
// makes the file anew, as a missing file reads as the defaults.
// Exit codes: 0 the file has the access, is gone or never was; 1 neither.
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>
#include <shellapi.h>

#include "platform/win32/every_user_file_security.h"

namespace {

bool giveEveryUserAccess(HANDLE file) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(platform::everyUserMayReplaceSddl, SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return false;
    }
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    bool given = GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) && present &&
                 SetSecurityInfo(file, SE_FILE_OBJECT, DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                                 nullptr, nullptr, list, nullptr) == ERROR_SUCCESS;
    LocalFree(descriptor);
    return given;
}

int settingsAccess(const wchar_t* path) {
    // The link itself, not what it leads to.
    HANDLE file = CreateFileW(path, READ_CONTROL | WRITE_DAC, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS,
                              nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? 0 : 1;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool regular = GetFileInformationByHandle(file, &information) &&
                         !(information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
                         information.nNumberOfLinks == 1;
    const bool given = regular && giveEveryUserAccess(file);
    const bool folder = information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
    CloseHandle(file);
    if (given) return 0;
    if (regular) return 1;
    // A folder or a link to one goes only when empty: its contents are not ours.
    return (folder ? RemoveDirectoryW(path) : DeleteFileW(path)) ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    const int status = words && count == 2 ? settingsAccess(words[1]) : 1;
    LocalFree(words);
    return status;
}
