#include "platform/command_line.h"

#include "platform/host_window.h"

namespace platform {

std::string commandLineText(int argc, char** argv) {
    setProcessArguments(argc, argv);
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return text;
}

bool switchBySecondCharacter() {
    return false;
}

}  // namespace platform
