// Building one package of artwork: image entries (PNG) and model entries
// (sub-mesh records), in the order they are added.
//
// Sprites are the form of every overlay model: one image on a flat quad in
// the z = 0 plane facing +Z, its normals toward the viewer, covering exactly
// the image's grid (canvas.h) in model units. Texture coordinates are inset
// by half a texel so linear filtering never wraps to the opposite edge.
// The image's top row is at t = 0, which is where it lands in GL.
#pragma once

#include <string>
#include <vector>

#include "canvas.h"
#include "mesh/model_writer.h"
#include "package/package_writer.h"

// White, fully lit material; `transparent` defers the mesh to the blended
// pass (soft edges).
MaterialBlock plainMaterial(bool transparent);

// A quad from (left, top) to (right, bottom) at depth z, facing +Z, with the
// texture coordinates of its corners (s0, t0) top-left and (s1, t1)
// bottom-right.
SubMeshRecord quadRecord(const std::string& textureName, const MaterialBlock& material,
                         double left, double top, double right, double bottom, double s0 = 0,
                         double t0 = 0, double s1 = 1, double t1 = 1, double z = 0);

// A quad over the grid's area showing the whole image (half-texel inset).
SubMeshRecord spriteRecord(const std::string& imageName, const Grid& grid,
                           const MaterialBlock& material);

class ArtworkPackage {
public:
    // `imageDump`: when not empty, a folder that also receives every image as
    // <package>-<entry>.png (for looking at the artwork).
    ArtworkPackage(std::string name, std::string imageDump);

    // An image entry from a finished canvas: always an 8-bit RGBA PNG, also
    // when opaque, since the show uploads an image's bytes as RGBA.
    void addImage(const std::string& entry, const Canvas& canvas);
    void addModel(const std::string& entry, const std::vector<SubMeshRecord>& records);
    // Image `entry + "_tex"` and model `entry`: the canvas on a transparent sprite.
    void addSprite(const std::string& entry, const Canvas& canvas);

    const std::string& name() const { return name_; }
    const std::vector<PackageEntry>& entries() const { return entries_; }

private:
    std::string name_;
    std::string imageDump_;
    std::vector<PackageEntry> entries_;
};
