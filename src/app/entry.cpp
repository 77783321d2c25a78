#include "app/entry.h"

#include <cstdio>

#include "app/install_directory.h"
#include "app/preview_mode.h"
#include "app/render_mode.h"
#include "app/run_mode.h"
#include "app/usage.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/program_libraries.h"
#include "platform/process.h"

namespace {

// The folder the libraries load from: the install directory. The screensaver
// file sits in the system folder, where anyone's SDL.dll may lie beside it,
// so run as that file only a recorded absolute path, stored as text, will do;
// the program's own folder stands in only for the programs of the install
// folder. False when there is no usable folder.
bool libraryFolder(std::string& folder) {
    folder = installDirectory.valueText();
    if (!platform::runningAsScreensaverFile()) return true;
    return installDirectory.holdsText() && platform::isAbsolutePath(folder);
}

// For the modes that call into SDL: its libraries, found before the first
// call. A failure is said the way the mode can say it.
bool libraryMissing(platform::LibraryFailureReport report) {
    platform::setLibraryFailureReport(report);
    std::string folder;
    if (!libraryFolder(folder)) {
        platform::reportLibraryFailure("Amber Bell is not installed properly: reinstall it.");
        return true;
    }
    const std::string missing = platform::loadProgramLibraries(folder);
    if (missing.empty()) return false;
    platform::reportLibraryFailure("Amber Bell cannot load " + missing + ": install Amber Bell again.");
    return true;
}

}  // namespace

int entryPoint(const std::string& commandLine) {
    const SwitchRule rule =
        platform::switchBySecondCharacter() ? SwitchRule::SecondCharacter : SwitchRule::ExactWord;
    const RunChoice choice = chooseRunMode(commandLine, platform::runningAsScreensaverFile(), rule);
    switch (choice.mode) {
    case RunMode::Help:
        std::fputs(usageText(rule).c_str(), stdout);
        return 0;
    case RunMode::Version:
        if (libraryMissing(platform::LibraryFailureReport::printedLine)) return 1;
        std::fputs(versionText().c_str(), stdout);
        return 0;
    case RunMode::StartRenderer:
        platform::putEnvironment("SDL_VIDEO_ALLOW_SCREENSAVER=1");
        installDirectory.launchProgram("Amber Bell.exe", true);
        return 0;
    case RunMode::Configure:
        installDirectory.launchProgram("config.exe", false);
        return 0;
    case RunMode::Preview:
        if (!choice.hasWindowNumber) return 0;
        if (libraryMissing(platform::LibraryFailureReport::silent)) return 1;
        return runPreviewMode(choice.windowNumber);
    case RunMode::Render:
        if (libraryMissing(platform::LibraryFailureReport::messageBox)) return 1;
        return runRenderMode(commandLine);
    }
    return 0;
}
