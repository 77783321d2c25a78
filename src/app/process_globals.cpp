// The application's globals, built before the entry point runs, in the order
// written here: the random generator seeded with the current time, then the
// install directory. The texture cache, the procedural texture registry and
// the transparent queue are defined in their own layers, which never reach up
// to this one.
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "app/install_directory.h"
#include "platform/paths.h"

namespace {

struct RandomSeed {
    RandomSeed() { std::srand(static_cast<unsigned>(std::time(nullptr))); }
};

RandomSeed randomSeed;

}  // namespace

RegistryValue installDirectory(installDirectoryKey, installDirectoryValueName, platform::executableDirectory());

std::string showDataDirectory() {
    if (installDirectory.hasValue()) return installDirectory.valueText();
    const std::string own = platform::executableDirectory();
    if (std::FILE* beside = std::fopen((own + "main.pak").c_str(), "rb")) {
        std::fclose(beside);
        return own;
    }
    return platform::installedDataDirectory();
}
