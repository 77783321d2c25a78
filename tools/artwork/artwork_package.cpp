#include "artwork_package.h"

#include <stdexcept>
#include <utility>

#include "common/png_writer.h"
#include "common/whole_file.h"

MaterialBlock plainMaterial(bool transparent) {
    MaterialBlock material;
    material.transparent = transparent ? 1 : 0;
    for (int i = 0; i < 4; ++i) {
        material.ambient[i] = 1.0f;
        material.diffuse[i] = 1.0f;
    }
    return material;
}

SubMeshRecord quadRecord(const std::string& textureName, const MaterialBlock& material,
                         double left, double top, double right, double bottom, double s0,
                         double t0, double s1, double t1, double z) {
    SubMeshRecord record;
    record.textureName = textureName;
    record.material = material;
    // Two counter-clockwise triangles seen from +Z.
    const double corners[6][4] = {{left, bottom, s0, t1}, {right, bottom, s1, t1},
                                  {right, top, s1, t0},   {left, bottom, s0, t1},
                                  {right, top, s1, t0},   {left, top, s0, t0}};
    for (const auto& c : corners) {
        record.positions.insert(record.positions.end(), {c[0], c[1], z});
        record.normals.insert(record.normals.end(), {0.0, 0.0, 1.0});
        record.texCoords.insert(record.texCoords.end(), {c[2], c[3]});
    }
    return record;
}

SubMeshRecord spriteRecord(const std::string& imageName, const Grid& grid,
                           const MaterialBlock& material) {
    const double hs = 0.5 / grid.width, ht = 0.5 / grid.height;
    const double hx = grid.unitsPerPixel / 2;
    return quadRecord(imageName, material, grid.left + hx, grid.top - hx, grid.right() - hx,
                      grid.bottom() + hx, hs, ht, 1 - hs, 1 - ht);
}

ArtworkPackage::ArtworkPackage(std::string name, std::string imageDump)
    : name_(std::move(name)), imageDump_(std::move(imageDump)) {}

void ArtworkPackage::addImage(const std::string& entry, const Canvas& canvas) {
    const int w = canvas.grid.width, h = canvas.grid.height;
    if (w <= 0 || h <= 0 || (w & (w - 1)) || (h & (h - 1))) {
        throw std::invalid_argument(name_ + ": image " + entry + " is not a power of two in size");
    }
    std::vector<uint8_t> png = encodePng(w, h, canvas.rgba8());
    if (!imageDump_.empty()) {
        std::string stem = name_.substr(0, name_.find('.'));
        std::string error;
        if (!writeWholeFile(imageDump_ + "/" + stem + "-" + entry + ".png", png, error)) {
            throw std::runtime_error(error);
        }
    }
    entries_.push_back({entry, std::move(png)});
}

void ArtworkPackage::addModel(const std::string& entry, const std::vector<SubMeshRecord>& records) {
    entries_.push_back({entry, writeModelEntry(records)});
}

void ArtworkPackage::addSprite(const std::string& entry, const Canvas& canvas) {
    const std::string image = entry + "_tex";
    addImage(image, canvas);
    addModel(entry, {spriteRecord(image, canvas.grid, plainMaterial(true))});
}
