#include "app/run_mode.h"

#include <sstream>

RunChoice chooseRunMode(const std::string& commandLine) {
    std::istringstream in(commandLine);
    std::string word;
    in >> word;
    RunChoice choice;
    int32_t number = 0;
    if (in >> number) {
        choice.hasWindowNumber = true;
        choice.windowNumber = number;
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
