#include "app/usage.h"

#include "amber_version.h"
#include "app/host_options.h"
#include "app/install_directory.h"
#include "app/show_packages.h"
#include "platform/gl_renderer.h"
#include "platform/paths.h"
#include "platform/registry.h"
#include "settings/settings_path.h"
#include "video/sdl_library.h"

namespace {

// "       amber-bell WORDS   text", the texts in one column.
std::string usageLine(const char* lead, const std::string& words, const std::string& text) {
    std::string line = std::string(lead) + "amber-bell " + words;
    if (!text.empty()) line += std::string(line.size() < 37 ? 37 - line.size() : 1, ' ') + text;
    return line + '\n';
}

std::string switchesHelp(SwitchRule rule) {
    const bool bySecond = rule == SwitchRule::SecondCharacter;
    const char* more = "       ";
    std::string help = usageLine("Usage: ", "[OPTION...]", "the show, full screen or in a host's window");
    help += usageLine(more, bySecond ? "/s" : "/s | -s", "start the renderer and wait for it");
    help += usageLine(more, bySecond ? "/c | /c:N" : "/c | -c | /c:N", "open the settings dialog");
    help += usageLine(more, "/p ID", "paint the preview picture into window ID");
    help += usageLine(more, "--help | --version", "");
    if (bySecond) help += "A first word whose second letter is s or c counts as /s or /c.\n";
    return help;
}

std::string fileEntry(const std::string& path, const std::string& text) {
    return "  " + path + "\n      " + text + "\n";
}

std::string filesHelp() {
    const std::string directory = showDataDirectory();
    std::string packages;
    for (const char* name : showPackages) packages += (packages.empty() ? directory : ", ") + std::string(name);
    const std::string settings = settingsFilePath();
    return "Files:\n" +
           fileEntry(platform::registryValueLocation(installDirectoryKey, installDirectoryValueName),
                     installDirectory.hasValue() ? "names the install directory, " + directory
                                                 : "names the install directory; missing, so the program's own") +
           fileEntry(packages, "the artwork; a missing package ends the show with exit code 1") +
           fileEntry(directory + "preview.ppk", "the preview picture (a 24-bit BMP)") +
           fileEntry(settings.empty() ? std::string("(no folder: ") + platform::commonAppDataFolderHint + ")" : settings,
                     "the settings, which the settings dialog writes; the defaults when missing");
}

}  // namespace

std::string usageText(SwitchRule rule) {
    std::string text = switchesHelp(rule);
    text += "\nOptions, with one dash or two (the last one given wins):\n";
    text += hostOptionsHelp();
    text += "The frame counter, clock and calendar are as in the settings file unless an\n"
            "option chooses them. An unknown option is named on stderr and passed over.\n\n";
    text += filesHelp();
    return text;
}

std::string versionText() {
    // The SDL is the one loaded now, not the one built against: bug reports
    // need to know which of the libraries called SDL 1.2 drew the show.
    std::string text = std::string("amber-bell ") + AMBER_VERSION_TEXT + "\nSDL: " +
                       describeSdlLibrary(linkedSdlLibrary()) + "\n";
    // And the GL the full-screen show will draw with, with the set-up it
    // chooses for it, where that can be told before the show's window opens.
    const std::string gl = platform::describeGlSetUp(platform::Multisampling::automatic, platform::screenGlRenderer());
    if (!gl.empty()) text += "GL: " + gl + "\n";
    return text;
}
