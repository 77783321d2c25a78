#include "app/run_mode.h"

#include <cstdint>
#include <sstream>

RunChoice chooseRunMode(const std::string& commandLine, bool screensaverFile) {
    std::istringstream in(commandLine);
    std::string word;
    in >> word;
    RunChoice choice;
    int64_t number = 0;
    if (in >> number && number >= INT32_MIN && number <= UINT32_MAX) {
        choice.hasWindowNumber = true;
        choice.windowNumber = static_cast<uint32_t>(number);
    }
    if (word.empty() && screensaverFile) {
        choice.mode = RunMode::Configure;
        return choice;
    }
    // Only the second character decides the first two modes; hosts pass "/s",
    // "-s" or "/c:1234" alike.
    const char second = word.size() >= 2 ? word[1] : '\0';
    if (second == 's' || second == 'S') {
        choice.mode = RunMode::StartRenderer;
    } else if (second == 'c' || second == 'C') {
        choice.mode = RunMode::Configure;
    } else if (word == "/p" || word == "/P") {
        choice.mode = RunMode::Preview;
    } else {
        choice.mode = RunMode::Render;
    }
    return choice;
}
