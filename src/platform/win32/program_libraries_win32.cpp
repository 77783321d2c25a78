#include <windows.h>

#include "platform/paths.h"
#include "platform/program_libraries.h"

namespace platform {

namespace {

// Each before the ones that import it, so that every import names a library
// already loaded from the same folder.
const char* const libraries[] = {"zlib1.dll", "libpng16-16.dll", "SDL.dll"};

bool isFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::string loadProgramLibraries(const std::string& installFolder) {
    const std::string folder = isFile(installFolder + "SDL.dll") ? installFolder : executableDirectory();
    for (const char* name : libraries) {
        // A library loaded by its full path is the one a later load by its
        // bare name gets. The altered search path looks for its own imports
        // in its folder first.
        const std::string path = folder + name;
        if (!LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)) return path;
    }
    return {};
}

}  // namespace platform
