// The process entry, one for every platform: the platform layer makes the
// command-line text from what the C runtime hands over (command_line.h) and
// the portable entry point runs the mode it asks for. The Windows program is a
// GUI program all the same: mingw-w64's start-up code calls main there too.
#include "app/entry.h"
#include "platform/command_line.h"

int main(int argc, char** argv) {
    return entryPoint(platform::commandLineText(argc, argv));
}
