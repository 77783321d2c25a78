// Which folder setup may install into. The install folder holds the DLLs the
// screensaver loads, the programs it starts and the uninstaller an
// administrator runs, so nobody but administrators may ever change it, or any
// folder above it. Program Files (and Program Files (x86)) is such a place:
// users may create nothing there, and what setup creates inside inherits its
// list. Any other folder is refused.
//
// The decision is made on the names the file system gives (after short names,
// links and junctions: GetFinalPathNameByHandle), not on the text typed: a
// junction made by a user elsewhere may lead into Program Files today and
// somewhere else tomorrow, so setup installs into the name it resolved to.
#pragma once

#include <string>
#include <vector>

namespace install_folder {

// A typed folder taken apart: "C:\" and its names. False for anything but a
// folder on a drive ("C:\..." or "C:/..."), and for "." or ".." or a name
// Windows would change or refuse (a trailing dot or blank, a reserved
// character), which could make the resolved folder differ from the one made.
bool splitTyped(const std::wstring& typed, std::wstring& root, std::vector<std::wstring>& names);

// A final path as GetFinalPathNameByHandle gives it ("\\?\C:\..."), as an
// ordinary drive path without a trailing separator; empty for anything not on
// a drive letter (a share, a volume without one).
std::wstring drivePath(const std::wstring& finalPath);

// The folder to install into: `existing`, the final path (drivePath) of the
// deepest folder of the typed one that exists, followed by `missing`, the
// names below it still to be made; empty when that folder does not lie
// inside one of `programFolders` (final paths too), compared as Windows
// compares file names, without case.
std::wstring chosenFolder(const std::wstring& existing, const std::vector<std::wstring>& missing,
                          const std::vector<std::wstring>& programFolders);

}  // namespace install_folder
