#include "app/host_options.h"

#include <charconv>
#include <sstream>
#include <vector>

#include "platform/host_window.h"
#include "settings/show_choices.h"

namespace {

// "--delay" and "-delay" are the same option: the name without its dashes.
std::string optionName(const std::string& word) {
    return word.substr(word[1] == '-' ? 2 : 1);
}

bool parseDelay(const std::string& text, uint32_t& delay) {
    uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > maxFrameDelayUs) return false;
    delay = value;
    return true;
}

const platform::HostWindowOption* hostWindowOption(const std::string& name) {
    for (const platform::HostWindowOption& option : platform::hostWindowOptions()) {
        if (name == option.name) return &option;
    }
    return nullptr;
}

// "  --name VALUE        text", the text wrapped at 79 columns.
void addHelp(std::string& help, const std::string& words, const std::string& text) {
    constexpr size_t textColumn = 24, width = 79;
    std::string line = "  " + words;
    std::istringstream in(text);
    for (std::string word; in >> word;) {
        const bool fresh = line.size() < textColumn;
        if (!fresh && line.size() + 1 + word.size() > width) {
            help += line + '\n';
            line.clear();
        }
        if (line.size() < textColumn) line.resize(textColumn, ' ');
        else line += ' ';
        line += word;
    }
    help += line + '\n';
}

}  // namespace

uint32_t frameDelayUs(const HostOptions& options, bool inHostWindow) {
    return options.frameDelayUs.value_or(inHostWindow ? hostedFrameDelayUs : 0);
}

uint32_t unsyncedFrameCapUs(const HostOptions& options, bool inHostWindow) {
    return options.frameDelayUs || inHostWindow ? 0 : hostedFrameDelayUs;
}

HostOptions readHostOptions(const std::string& commandLine, Settings& settings, std::string& warnings) {
    std::vector<std::string> words;
    std::istringstream in(commandLine);
    for (std::string word; in >> word;) words.push_back(word);

    HostOptions options;
    for (size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() < 2 || word[0] != '-') continue;
        const std::string name = optionName(word);
        if (const platform::HostWindowOption* windowOption = hostWindowOption(name)) {
            if (windowOption->valueName) ++i;
            continue;
        }
        std::string error;
        if (name == "fps" || name == "no-fps") {
            applyShowChoice(settings, "fps", name == "fps" ? "on" : "off", error);
            continue;
        }
        const bool isDelay = name == "delay", isMultisample = name == "multisample";
        if (!isDelay && !isMultisample && showChoiceValues(name).empty()) {
            warnings += "unknown option " + word + "; ignored\n";
            continue;
        }
        if (i + 1 >= words.size()) {
            warnings += word + " needs a value; ignored\n";
            continue;
        }
        const std::string& value = words[++i];
        if (isDelay) {
            uint32_t delay = 0;
            if (parseDelay(value, delay)) {
                options.frameDelayUs = delay;
            } else {
                warnings += word + " takes microseconds from 0 to " + std::to_string(maxFrameDelayUs) +
                            ", not \"" + value + "\"; ignored\n";
            }
        } else if (isMultisample) {
            if (value == "on" || value == "off") {
                options.multisample = value == "on" ? platform::Multisampling::on : platform::Multisampling::off;
            } else {
                warnings += word + " takes on|off, not \"" + value + "\"; ignored\n";
            }
        } else if (!applyShowChoice(settings, name, value, error)) {
            warnings += word + " takes " + std::string(showChoiceValues(name)) + ", not \"" + value +
                        "\"; ignored\n";
        }
    }
    return options;
}

std::string hostOptionsHelp() {
    std::string help;
    addHelp(help, "--delay USECS",
            "the least time from the start of one frame to the start of the next, in microseconds, 0 to " +
                std::to_string(maxFrameDelayUs) + "; the show sleeps in between. Default " +
                std::to_string(hostedFrameDelayUs) +
                " (about 60 frames a second) in a host's window; full screen 0 (no limit) while the "
                "display's refresh paces the frames, else " + std::to_string(hostedFrameDelayUs));
    addHelp(help, "--fps, --no-fps", "show or hide the frame counter");
    addHelp(help, "--clock KIND", std::string(showChoiceValues("clock")));
    addHelp(help, "--clock-size WHERE",
            std::string(showChoiceValues("clock-size")) + ": the large clock or the small one");
    addHelp(help, "--calendar KIND",
            std::string(showChoiceValues("calendar")) + ": weeks from Sunday by default, from Monday in Russian");
    addHelp(help, "--multisample on|off",
            "smooth edges with 4x multisampling, or ask for no multisampled buffers at all (much faster "
            "on software OpenGL); by default on, but not full screen on software OpenGL");
    for (const platform::HostWindowOption& option : platform::hostWindowOptions()) {
        const std::string value = option.valueName ? std::string(" ") + option.valueName : "";
        addHelp(help, "--" + std::string(option.name) + value, option.help);
    }
    return help;
}
