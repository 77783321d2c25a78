// settings-access.exe: setup's way to give the settings file in the
// application-data folder all users share the access every save gives it
// (SYSTEM and Administrators full control, Users modify; see
// src/platform/win32/every_user_file_security.h), when an older version saved
// it with its saver's access alone.
//
//   settings-access.exe PATH
//
// Any user may put something at that path before setup runs: a hard link to a
// file they may not change, a link to one, or a file of their own whose list
// leaves Administrators out, which every other user's saves would then go
// through. Setup runs elevated, so opening that up would hand them the other
// file. Only a regular file with one name that setup can open gets the
// access, set through the handle it was checked on, with Administrators as
// its owner; anything else loses its name there (Administrators may delete
// what is in ProgramData; the other file stays as it is), and the next save
// makes the file anew, as a missing file reads as the defaults.
// Exit codes: 0 the file has the access, is gone or never was; 1 it is still
// there (a folder with something in it), and setup stops.
#include <windows.h>
// After windows.h, which they need.
#include <aclapi.h>
#include <sddl.h>
#include <shellapi.h>

#include "platform/win32/every_user_file_security.h"

namespace {

// The list every save gives, and Administrators as the owner, so that the
// user who made the file cannot change its list again.
bool giveEveryUserAccess(HANDLE file) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(platform::everyUserMayReplaceSddl, SDDL_REVISION_1,
                                                              &descriptor, nullptr)) {
        return false;
    }
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    PSID administrators = nullptr;
    SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
    bool given = GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) && present &&
                 AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0, 0, 0, 0,
                                          0, &administrators) &&
                 SetSecurityInfo(file, SE_FILE_OBJECT,
                                 OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION |
                                     PROTECTED_DACL_SECURITY_INFORMATION,
                                 administrators, nullptr, list, nullptr) == ERROR_SUCCESS;
    if (administrators) FreeSid(administrators);
    LocalFree(descriptor);
    return given;
}

// The name goes through the handle it was checked on: a file, a link (not
// what it leads to) or an empty folder. A folder with something in it stays:
// its contents are not ours.
bool removeThroughHandle(HANDLE file) {
    FILE_DISPOSITION_INFO disposition{};
    disposition.DeleteFile = TRUE;
    return SetFileInformationByHandle(file, FileDispositionInfo, &disposition, sizeof disposition);
}

int settingsAccess(const wchar_t* path) {
    // The link itself, not what it leads to.
    HANDLE file = CreateFileW(path, READ_CONTROL | WRITE_DAC | WRITE_OWNER | DELETE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) return 0;
        // Denied by the file's own list, or anything else: the folder's right
        // to delete what is in it still takes the name away.
        return DeleteFileW(path) || RemoveDirectoryW(path) ? 0 : 1;
    }
    BY_HANDLE_FILE_INFORMATION information{};
    const bool regular = GetFileInformationByHandle(file, &information) &&
                         !(information.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) &&
                         information.nNumberOfLinks == 1;
    const bool settled = (regular && giveEveryUserAccess(file)) || removeThroughHandle(file);
    CloseHandle(file);
    return settled ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    const int status = words && count == 2 ? settingsAccess(words[1]) : 1;
    LocalFree(words);
    return status;
}
