// POSIX process entry: the arguments, joined with single blanks, are the
// command-line text the portable entry point reads.
#include "app/entry.h"
#include "platform/host_window.h"

#include <string>

int main(int argc, char** argv) {
    platform::setProcessArguments(argc, argv);
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return entryPoint(commandLine);
}
