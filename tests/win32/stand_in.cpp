// stand-in.exe: takes the place of "Amber Bell.exe" or "config.exe" in launch
// tests under Wine. Adds to started.txt in its working directory a record of
// its start (the words it was given, its working directory,
// SDL_VIDEO_ALLOW_SCREENSAVER, the file name of the process that started it),
// then runs until a file "release" appears there, and writes ended.txt.
#include <windows.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstdlib>

// The file name of the process that started this one, or "".
static void parentName(char* name, size_t size) {
    name[0] = '\0';
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);  // none: no entries
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    DWORD parent = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == GetCurrentProcessId()) parent = entry.th32ParentProcessID;
    for (BOOL more = Process32First(snapshot, &entry); more && parent; more = Process32Next(snapshot, &entry))
        if (entry.th32ProcessID == parent) lstrcpynA(name, entry.szExeFile, static_cast<int>(size));
    CloseHandle(snapshot);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR words, int) {
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    const char* allow = std::getenv("SDL_VIDEO_ALLOW_SCREENSAVER");
    char parent[MAX_PATH];
    parentName(parent, sizeof parent);
    // Stand-ins started together take turns, so that each record stays whole.
    HANDLE turn = CreateMutexA(nullptr, FALSE, "amber-bell-stand-in");
    WaitForSingleObject(turn, INFINITE);
    FILE* out = std::fopen("started.txt", "ab");
    if (!out) return 1;
    std::fprintf(out, "words=[%s]\ncwd=%s\nenv=%s\nparent=%s\n", words ? words : "", folder, allow ? allow : "",
                 parent);
    std::fclose(out);
    ReleaseMutex(turn);
    while (GetFileAttributesA("release") == INVALID_FILE_ATTRIBUTES) Sleep(50);
    out = std::fopen("ended.txt", "wb");
    if (out) std::fclose(out);
    return 0;
}
