// command-line-echo: prints the text behind the program name twice, as
// mingw-w64's start-up code hands it to WinMain and as main gets it from
// platform::commandLineText, for the Wine tests to compare.
#include <windows.h>

#include <cstdio>

#include "platform/command_line.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR words, int) {
    std::printf("winmain=[%s]\nmain=[%s]\n", words, platform::commandLineText(0, nullptr).c_str());
    return 0;
}
