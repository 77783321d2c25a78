// install-folder.exe: setup's check of the folder it is to install into
// (install_folder_rule.h says which folders are taken, and why).
//
//   install-folder.exe FOLDER RESULT
//
// Resolves FOLDER on the file system: the deepest part of it that exists is
// opened, and GetFinalPathNameByHandle names it after short names, links
// and junctions; the names below it are still to be made. Program Files and
// Program Files (x86) are resolved the same way. Writes the folder to
// install into to the file RESULT (UTF-16LE, no line end) and ends with 0;
// ends with 4 when the folder is refused, and writes nothing.
#include <windows.h>
// After windows.h, which they need.
#include <knownfolders.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "install_folder_rule.h"

namespace {

constexpr int refused = 4;

// The final path of an existing folder, as a drive path; empty when it cannot
// be opened or is no folder. `missing` is set when nothing is there.
std::wstring resolvedFolder(const std::wstring& path, bool& missing) {
    missing = false;
    HANDLE folder = CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {};
    }
    std::wstring resolved;
    BY_HANDLE_FILE_INFORMATION information{};
    if (GetFileInformationByHandle(folder, &information) &&
        (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::vector<wchar_t> buffer(MAX_PATH + 1);
        DWORD length = GetFinalPathNameByHandleW(folder, buffer.data(), static_cast<DWORD>(buffer.size()),
                                                 FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        if (length >= buffer.size()) {
            buffer.resize(length + 1);
            length = GetFinalPathNameByHandleW(folder, buffer.data(), static_cast<DWORD>(buffer.size()),
                                               FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
        }
        if (length > 0 && length < buffer.size()) resolved = install_folder::drivePath({buffer.data(), length});
    }
    CloseHandle(folder);
    return resolved;
}

std::wstring resolvedFolder(const std::wstring& path) {
    bool missing = false;
    return resolvedFolder(path, missing);
}

std::wstring knownFolder(REFKNOWNFOLDERID id) {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SHGetKnownFolderPath(id, KF_FLAG_DEFAULT, nullptr, &path) == S_OK) folder = path;
    CoTaskMemFree(path);
    return folder;
}

// The 64-bit Program Files, which a 32-bit program's known folder does not
// name; only administrators may change where the value points.
std::wstring nativeProgramFiles() {
    wchar_t path[MAX_PATH + 1] = {};
    DWORD size = sizeof path - sizeof path[0];
    const LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                                        L"ProgramW6432Dir", RRF_RT_REG_SZ | RRF_SUBKEY_WOW6464KEY, nullptr, path,
                                        &size);
    return status == ERROR_SUCCESS ? path : L"";
}

std::vector<std::wstring> programFolders() {
    std::vector<std::wstring> folders;
    for (const std::wstring& folder :
         {knownFolder(FOLDERID_ProgramFiles), knownFolder(FOLDERID_ProgramFilesX86), nativeProgramFiles()}) {
        if (folder.empty()) continue;
        const std::wstring resolved = resolvedFolder(folder);
        if (!resolved.empty()) folders.push_back(resolved);
    }
    return folders;
}

// The folder to install into, or empty.
std::wstring chosenFolder(const std::wstring& typed) {
    std::wstring root;
    std::vector<std::wstring> names;
    if (!install_folder::splitTyped(typed, root, names)) return {};
    // From the whole path up to the drive: the first part that exists.
    for (size_t kept = names.size() + 1; kept-- > 0;) {
        std::wstring path = root;
        for (size_t i = 0; i < kept; ++i) path += (i ? L"\\" : L"") + names[i];
        bool missing = false;
        const std::wstring existing = resolvedFolder(path, missing);
        if (!missing) {
            const std::vector<std::wstring> below(names.begin() + static_cast<std::ptrdiff_t>(kept), names.end());
            return install_folder::chosenFolder(existing, below, programFolders());
        }
    }
    return {};
}

bool writeResult(const std::wstring& path, const std::wstring& folder) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD bytes = static_cast<DWORD>(folder.size() * sizeof(wchar_t));
    DWORD written = 0;
    const bool complete = WriteFile(file, folder.data(), bytes, &written, nullptr) && written == bytes;
    return CloseHandle(file) && complete;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    int status = refused;
    if (words && count == 3) {
        const std::wstring folder = chosenFolder(words[1]);
        if (!folder.empty() && writeResult(words[2], folder)) status = 0;
    }
    LocalFree(words);
    return status;
}
