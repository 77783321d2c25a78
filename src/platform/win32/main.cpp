// Windows process entry: the command-line text behind the program name is
// what the portable entry point reads.
#include <windows.h>

#include "app/entry.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    return entryPoint(commandLine ? commandLine : "");
}
