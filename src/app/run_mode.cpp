#include "app/run_mode.h"

#include <cctype>
#include <cstdint>
#include <initializer_list>
#include <sstream>

namespace {

bool anyWordIs(const std::string& commandLine, std::initializer_list<const char*> wanted) {
    std::istringstream in(commandLine);
    for (std::string word; in >> word;) {
        for (const char* w : wanted) {
            if (word == w) return true;
        }
    }
    return false;
}

// The letter of a switch word, lower case, or 0 when `word` is none. Windows'
// hosts pass "/s", "-s" or "/c:1234" alike, and only the second character has
// ever been looked at there.
char switchLetter(const std::string& word, SwitchRule rule) {
    if (word.size() < 2) return 0;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(word[1])));
    if (rule == SwitchRule::SecondCharacter) return letter;
    const bool exact = (word[0] == '/' || word[0] == '-') && (word.size() == 2 || word[2] == ':');
    return exact ? letter : 0;
}

}  // namespace

RunChoice chooseRunMode(const std::string& commandLine, bool screensaverFile, SwitchRule rule) {
    std::istringstream in(commandLine);
    std::string word;
    in >> word;
    RunChoice choice;
    int64_t number = 0;
    if (in >> number && number >= INT32_MIN && number <= UINT32_MAX) {
        choice.hasWindowNumber = true;
        choice.windowNumber = static_cast<uint32_t>(number);
    }
    if (anyWordIs(commandLine, {"--help", "-help", "-h"})) {
        choice.mode = RunMode::Help;
    } else if (anyWordIs(commandLine, {"--version", "-version"})) {
        choice.mode = RunMode::Version;
    } else if (word.empty() && screensaverFile) {
        choice.mode = RunMode::Configure;
    } else if (const char letter = switchLetter(word, rule); letter == 's') {
        choice.mode = RunMode::StartRenderer;
    } else if (letter == 'c') {
        choice.mode = RunMode::Configure;
    } else if (word == "/p" || word == "/P") {
        choice.mode = RunMode::Preview;
    } else {
        choice.mode = RunMode::Render;
    }
    return choice;
}
