#include "app/entry.h"

#include "app/install_directory.h"
#include "app/preview_mode.h"
#include "app/render_mode.h"
#include "app/run_mode.h"
#include "platform/paths.h"
#include "platform/process.h"

int entryPoint(const std::string& commandLine) {
    const RunChoice choice = chooseRunMode(commandLine, platform::runningAsScreensaverFile());
    switch (choice.mode) {
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
