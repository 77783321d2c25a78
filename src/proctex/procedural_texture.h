// ProceduralTexture: a GL texture whose pixels a generator function rewrites
// on every update (Plasma, Fire).
//
// The texture is made once, at construction, with the program's texture
// settings (video/texture_object.h) at exactly width x height; `update` runs
// the generator over the pixel buffer and replaces the texture image in
// place. Nothing is allocated after construction.
//
// Ownership: the pixel buffer and `userData` (freed through `deleter`) are
// owned. The GL texture is not deleted by the destructor: the registry deletes
// it before destroying the object (so objects can be destroyed at exit without
// a context).
#pragma once

#include <cstdint>
#include <memory>

// Fills `pixels` (width x height x 4 bytes, RGBA, row 0 first) for `ticks`
// milliseconds since start.
using ProceduralGenerator = void (*)(int32_t ticks, int32_t width, int32_t height,
                                     uint8_t* pixels, void* userData);
using ProceduralDeleter = void (*)(void* userData);

class ProceduralTexture {
public:
    // Takes ownership of `userData`. Needs GL. width, height >= 1 and
    // width x height x 4 within int32 (procedural_name.h checks this).
    ProceduralTexture(ProceduralGenerator generator, ProceduralDeleter deleter, void* userData,
                      int32_t width, int32_t height);
    ~ProceduralTexture();
    ProceduralTexture(const ProceduralTexture&) = delete;
    ProceduralTexture& operator=(const ProceduralTexture&) = delete;

    // Runs the generator and uploads the pixels (leaves the texture bound).
    void update(int32_t ticks);

    ProceduralGenerator generator;
    void* userData;
    ProceduralDeleter deleter;
    int32_t width;
    int32_t height;
    uint32_t texture = 0;
    std::unique_ptr<uint8_t[]> pixels;  // width x height x 4, zeroed at first
    int32_t pixelByteCount;
};
