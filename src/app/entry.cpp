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

// For the modes that call into SDL: its libraries, found before the first call.
bool libraryMissing() {
    const std::string missing = platform::loadProgramLibraries(installDirectory.valueText());
    if (missing.empty()) return false;
    std::fprintf(stderr, "Amber Bell cannot load %s: install Amber Bell again.\n", missing.c_str());
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
        if (libraryMissing()) return 1;
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
        if (libraryMissing()) return 1;
        return runPreviewMode(choice.windowNumber);
    case RunMode::Render:
        if (libraryMissing()) return 1;
        return runRenderMode(commandLine);
    }
    return 0;
}
