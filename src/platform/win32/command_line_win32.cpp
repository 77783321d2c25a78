#include <windows.h>

#include "platform/command_line.h"

namespace platform {

// Cut as the C runtime cuts WinMain's text. `char` is signed here as in that
// code, so a byte of 0x80 or more ends an unquoted program name and is then
// passed over with the blanks.
std::string commandLineText(int, char**) {
    const char* text = GetCommandLineA();
    bool quoted = false;
    while (*text > ' ' || (*text && quoted)) {
        if (*text == '"') quoted = !quoted;
        ++text;
    }
    while (*text && *text <= ' ') ++text;
    return text;
}

bool switchBySecondCharacter() {
    return true;
}

}  // namespace platform
