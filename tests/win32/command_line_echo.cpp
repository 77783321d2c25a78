// command-line-echo: prints the text behind the program name twice, as
// mingw-w64's start-up code hands it to WinMain and as main gets it from
// platform::commandLineText, for the Wine tests to compare.
// With "--run FILE" it starts instead the command line FILE holds (its first
// line, in the system's code page), exactly as it stands, as Explorer starts
// a program with its parameters, waits, and ends with the program's exit
// status (255 when it could not start it): the Wine tests hand cmd.exe the
// very text the uninstaller does, which wine's own start would quote anew.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "platform/command_line.h"

namespace {

int runCommandLineOf(const char* file) {
    FILE* in = std::fopen(file, "rb");
    if (!in) return 255;
    std::string line;
    for (int c; (c = std::fgetc(in)) != EOF && c != '\r' && c != '\n';) line += static_cast<char>(c);
    std::fclose(in);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        return 255;
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD status = 255;
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return static_cast<int>(status);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR words, int) {
    const char run[] = "--run ";
    if (std::strncmp(words, run, sizeof run - 1) == 0) return runCommandLineOf(words + sizeof run - 1);
    std::printf("winmain=[%s]\nmain=[%s]\n", words, platform::commandLineText(0, nullptr).c_str());
    return 0;
}
