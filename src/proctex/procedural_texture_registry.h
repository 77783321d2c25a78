// ProceduralTextureRegistry: the generated textures of the program, one per
// distinct full texture name (syntax: procedural_name.h), shared and counted.
//
// One record per name in creation order: the texture (owned), its full name
// and its use count (video/use_counted_registry.h). Names compare exactly: names that differ in any
// character, even after the last number, are two textures.
//
// A name that cannot be used (unknown kind, unparsable, a size GL cannot
// take) makes no texture: `acquire` returns 0, silently, like a missing image.
// The name is still held and counted like any other, so every `release`
// balances its `acquire`.
//
// A texture lives from the first `acquire` of its name to the `release` that
// takes its count to 0 (its GL texture is deleted then); a later `acquire`
// starts it afresh (Fire from cold buffers, Plasma from the tick count).
//
// Single-threaded; acquire, release and updateAll need a current GL context.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "proctex/procedural_texture.h"
#include "video/use_counted_registry.h"

class ProceduralTextureRegistry {
public:
    // The destructor frees what is still held, without GL (the context is
    // gone at exit).
    ProceduralTextureRegistry() = default;
    ProceduralTextureRegistry(const ProceduralTextureRegistry&) = delete;
    ProceduralTextureRegistry& operator=(const ProceduralTextureRegistry&) = delete;

    // One use of the texture of that full name, made on the first request.
    // Its GL texture name, or 0 for a name that cannot be used.
    uint32_t acquire(const std::string& name);
    // One use less; the last deletes the texture. Unknown names: nothing.
    void release(const std::string& name);
    // Regenerates and uploads every texture, in creation order; called once
    // per frame with the frame's tick count (milliseconds).
    void updateAll(int32_t ticks);

    // Introspection for tests: uses of a name (0 when not held), the number
    // of names held (refused names included), and the texture of a name (null
    // when not held or refused).
    int32_t uses(const std::string& name) const;
    size_t textureCount() const { return textures.size(); }
    ProceduralTexture* find(const std::string& name) const { return textures.object(name); }

private:
    UseCountedRegistry<ProceduralTexture> textures;  // null for a refused name
};

extern ProceduralTextureRegistry proceduralTextures;
