#include "app/entry.h"

#include <cstdio>

#include "app/install_directory.h"
#include "app/preview_mode.h"
#include "app/render_mode.h"
#include "app/run_mode.h"
#include "app/usage.h"
#include "platform/command_line.h"
#include "platform/paths.h"
#include "platform/process.h"

int entryPoint(const std::string& commandLine) {
    const SwitchRule rule =
        platform::switchBySecondCharacter() ? SwitchRule::SecondCharacter : SwitchRule::ExactWord;
    const RunChoice choice = chooseRunMode(commandLine, platform::runningAsScreensaverFile(), rule);
    switch (choice.mode) {
    case RunMode::Help:
        std::fputs(usageText(rule).c_str(), stdout);
        return 0;
    case RunMode::Version:
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
        return choice.hasWindowNumber ? runPreviewMode(choice.windowNumber) : 0;
    case RunMode::Render:
        return runRenderMode(commandLine);
    }
    return 0;
}
