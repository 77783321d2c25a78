// Globals built before the entry point runs. They live in this one unit so that
// their construction order is the order written here (and destruction the
// reverse): caches first, then the random seed, then the install directory.
#include <cstdlib>
#include <ctime>

#include "app/install_directory.h"
#include "package/texture_cache.h"
#include "platform/paths.h"
#include "proctex/procedural_texture_registry.h"
#include "scene/transparent_queue.h"

TextureCache textureCache;
ProceduralTextureRegistry proceduralTextures;
TransparentQueue transparentQueue;

namespace {

struct RandomSeed {
    RandomSeed() { std::srand(static_cast<unsigned>(std::time(nullptr))); }
};

RandomSeed randomSeed;

}  // namespace

RegistryValue installDirectory(installDirectoryKey, installDirectoryValueName, platform::executableDirectory());
