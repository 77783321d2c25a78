#include "proctex/procedural_texture_registry.h"

#include "proctex/fire.h"
#include "proctex/plasma.h"
#include "proctex/procedural_name.h"
#include "video/texture_object.h"

// The program's one registry, made before main runs.
ProceduralTextureRegistry proceduralTextures;

namespace {

// A new texture for `name`, or null when the name cannot be used.
ProceduralTexture* makeTexture(const std::string& name) {
    ProceduralTextureName parsed;
    std::string why;
    if (!parseProceduralTextureName(name, parsed, why)) return nullptr;
    if (!textureSizeSupported(parsed.width, parsed.height)) return nullptr;

    if (parsed.kind == ProceduralKind::Plasma) {
        const PlasmaColour colour{parsed.red, parsed.green, parsed.blue};
        return new ProceduralTexture(generatePlasma, deletePlasmaState,
                                     makePlasmaState(colour, parsed.width, parsed.height),
                                     parsed.width, parsed.height);
    }
    return new ProceduralTexture(generateFire, deleteFireState,
                                 makeFireState(parsed.width, parsed.height), parsed.width,
                                 parsed.height);
}

}  // namespace

ProceduralTextureRegistry::~ProceduralTextureRegistry() {
    for (ProceduralTexture* texture : textures) delete texture;
}

int32_t ProceduralTextureRegistry::findIndex(const std::string& name) const {
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) return static_cast<int32_t>(i);
    }
    return -1;
}

uint32_t ProceduralTextureRegistry::acquire(const std::string& name) {
    const int32_t index = findIndex(name);
    if (index >= 0) {
        ++useCounts[static_cast<size_t>(index)];
        const ProceduralTexture* texture = textures[static_cast<size_t>(index)];
        return texture ? texture->texture : 0;
    }
    ProceduralTexture* texture = makeTexture(name);
    textures.push_back(texture);
    names.push_back(name);
    useCounts.push_back(1);
    return texture ? texture->texture : 0;
}

void ProceduralTextureRegistry::release(const std::string& name) {
    const int32_t found = findIndex(name);
    if (found < 0) return;
    const size_t i = static_cast<size_t>(found);
    if (--useCounts[i] != 0) return;
    if (textures[i]) {
        deleteTexture(textures[i]->texture);
        delete textures[i];
    }
    textures.erase(textures.begin() + static_cast<std::ptrdiff_t>(i));
    names.erase(names.begin() + static_cast<std::ptrdiff_t>(i));
    useCounts.erase(useCounts.begin() + static_cast<std::ptrdiff_t>(i));
}

void ProceduralTextureRegistry::updateAll(int32_t ticks) {
    for (ProceduralTexture* texture : textures) {
        if (texture) texture->update(ticks);
    }
}

int32_t ProceduralTextureRegistry::uses(const std::string& name) const {
    const int32_t index = findIndex(name);
    return index < 0 ? 0 : useCounts[static_cast<size_t>(index)];
}

ProceduralTexture* ProceduralTextureRegistry::find(const std::string& name) const {
    const int32_t index = findIndex(name);
    return index < 0 ? nullptr : textures[static_cast<size_t>(index)];
}
