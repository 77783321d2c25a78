#include "settings/settings_path.h"

#include "platform/paths.h"

std::string settingsFilePath() {
    std::string folder;
    if (!platform::commonAppDataFolder(folder)) return {};
    return folder + platform::pathSeparator + "lumivera_Amber Bell_cfg";
}
