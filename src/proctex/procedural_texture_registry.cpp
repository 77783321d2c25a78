#include "proctex/procedural_texture_registry.h"

#include <memory>

#include "proctex/fire.h"
#include "proctex/plasma.h"
#include "proctex/procedural_name.h"
#include "video/texture_object.h"

// The program's one registry, made before main runs.
ProceduralTextureRegistry proceduralTextures;

namespace {

// A new texture for `name`, or null when the name cannot be used.
std::unique_ptr<ProceduralTexture> makeTexture(const std::string& name) {
    ProceduralTextureName parsed;
    std::string why;
    if (!parseProceduralTextureName(name, parsed, why)) return nullptr;
    if (!textureSizeSupported(parsed.width, parsed.height)) return nullptr;

    if (parsed.kind == ProceduralKind::Plasma) {
        const PlasmaColour colour{parsed.red, parsed.green, parsed.blue};
        return std::make_unique<ProceduralTexture>(generatePlasma, deletePlasmaState,
                                                   makePlasmaState(colour, parsed.width, parsed.height),
                                                   parsed.width, parsed.height);
    }
    return std::make_unique<ProceduralTexture>(generateFire, deleteFireState,
                                               makeFireState(parsed.width, parsed.height),
                                               parsed.width, parsed.height);
}

}  // namespace

uint32_t ProceduralTextureRegistry::acquire(const std::string& name) {
    const ProceduralTexture* texture = textures.acquire(name, [&] { return makeTexture(name); });
    return texture ? texture->texture : 0;
}

void ProceduralTextureRegistry::release(const std::string& name) {
    textures.release(name, [](ProceduralTexture* texture) {
        if (texture) deleteTexture(texture->texture);
    });
}

void ProceduralTextureRegistry::updateAll(int32_t ticks) {
    for (const auto& record : textures) {
        if (record.object) record.object->update(ticks);
    }
}

int32_t ProceduralTextureRegistry::uses(const std::string& name) const {
    return textures.uses(name);
}
