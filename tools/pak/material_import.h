// The materials of an imported model (model_import.h says what becomes of
// each part): an assimp material as a sub-mesh's MaterialBlock, and its
// colour texture found and imported as an image (image_import.h).
#pragma once

#include <assimp/material.h>
#include <assimp/scene.h>

#include <filesystem>
#include <string>

#include "image_import.h"
#include "mesh/material_block.h"

// Colours, opacity, alpha mode and highlight of `material`.
MaterialBlock importMaterial(const aiMaterial& material);

// The file's name for the material's colour (diffuse or base-colour)
// texture, or empty.
std::string colourTexturePath(const aiMaterial& material);

// Decodes the texture that `image.source` names, embedded in `scene` or a
// file (relative to `modelDirectory`), into `image`. False, with `error`
// naming the texture, when it cannot be read or decoded.
bool loadTexture(const aiScene& scene, const std::filesystem::path& modelDirectory, ImportedImage& image,
                 std::string& error);
