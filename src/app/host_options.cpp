#include "app/host_options.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "settings/show_choices.h"

namespace {

// "--delay" and "-delay" are the same option: the name without its dashes.
std::string optionName(const std::string& word) {
    if (word.size() < 2 || word[0] != '-') return {};
    return word.substr(word[1] == '-' ? 2 : 1);
}

bool parseDelay(const std::string& text, uint32_t& delay) {
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > maxFrameDelayUs) return false;
    delay = value;
    return true;
}

}  // namespace

HostOptions readHostOptions(const std::string& commandLine, Settings& settings, std::string& warnings) {
    std::vector<std::string> words;
    std::istringstream in(commandLine);
    for (std::string word; in >> word;) words.push_back(word);

    HostOptions options;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string name = optionName(words[i]);
        std::string error;
        if (name == "fps" || name == "no-fps") {
            applyShowChoice(settings, "fps", name == "fps" ? "on" : "off", error);
            continue;
        }
        const bool isDelay = name == "delay";
        if (!isDelay && showChoiceValues(name).empty()) continue;
        if (i + 1 >= words.size()) {
            warnings += words[i] + " needs a value; ignored\n";
            continue;
        }
        const std::string& value = words[++i];
        if (isDelay) {
            if (!parseDelay(value, options.frameDelayUs)) {
                warnings += words[i - 1] + " takes microseconds from 0 to " + std::to_string(maxFrameDelayUs) +
                            ", not \"" + value + "\"; ignored\n";
            }
        } else if (!applyShowChoice(settings, name, value, error)) {
            warnings += words[i - 1] + " takes " + std::string(showChoiceValues(name)) + ", not \"" + value +
                        "\"; ignored\n";
        }
    }
    return options;
}
