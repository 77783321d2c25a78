// Where the settings file lies: the application-data folder shared by the
// screensaver and its configuration program, followed by the separator and
// "lumivera_Amber Bell_cfg". The render mode reads it from here and the
// configuration program writes it here, so both go through this one function.
#pragma once

#include <string>

// The full path of the settings file; empty when the folder cannot be formed
// (treated by every caller as "no settings file").
std::string settingsFilePath();
