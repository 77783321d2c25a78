// File-system conventions of the platform.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The directory separator used when the program forms paths ('/' on POSIX).
extern const char pathSeparator;

// The file to start for a sibling program the system names in its Windows
// form: "Amber Bell.exe" is "Amber Bell" on POSIX.
std::string programFileName(const std::string& windowsName);

// The application-data folder shared by the screensaver and its configuration
// program, without a trailing separator. On POSIX: $XDG_CONFIG_HOME, else
// $HOME/.config. False when neither can be formed.
bool commonAppDataFolder(std::string& folder);

// What and where that folder is, in words for help texts: on POSIX "your own
// configuration folder ($XDG_CONFIG_HOME, else ~/.config)", each user's own;
// on Windows the folder all users share.
extern const char commonAppDataFolderHint[];

// The folder holding the running executable, ending with the separator.
// Empty when it cannot be found.
std::string executableDirectory();

// Where the install put the show's data (its packages and preview picture),
// found from the running executable's folder, ending with the separator. On
// POSIX the programs and the data are apart, as the FHS has them (by default
// lib/amber-bell/ and share/amber-bell/; the build tells the way from one to
// the other); on Windows they share the install folder. Empty when the
// executable's folder cannot be found.
std::string installedDataDirectory();

// Folders of a user's or an administrator's own package files, which the show
// reads before the install directory's, each ending with the separator, the
// user's first. On POSIX <dir>/amber-bell/skin/ for $XDG_DATA_HOME (else
// ~/.local/share) and then for each folder of $XDG_DATA_DIRS (else
// /usr/local/share and /usr/share); relative folders are no XDG folders and
// are passed by. None on Windows, whose install folder is the only one.
std::vector<std::string> skinFolders();

// True when the running program is the file the system's screensaver
// settings list and start (a ".scr" file on Windows, where Explorer's
// "Configure" runs it with no words at all). Never on POSIX: hosts there run
// the program by name.
bool runningAsScreensaverFile();

// True for a path that names the same file from any current folder: "/..."
// on POSIX; "C:\...", "C:/..." or "\\server\..." on Windows.
bool isAbsolutePath(const std::string& path);

}  // namespace platform
