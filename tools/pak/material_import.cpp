#include "material_import.h"

#include <assimp/GltfMaterial.h>
#include <assimp/material.h>
#include <assimp/scene.h>

#include <algorithm>

#include "common/whole_file.h"
#include "package/quoted_name.h"

namespace {

void setColour(float* out, const aiColor4D& c) {
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
    out[3] = c.a;
}

}  // namespace

std::string colourTexturePath(const aiMaterial& material) {
    aiString path;
    for (aiTextureType type : {aiTextureType_DIFFUSE, aiTextureType_BASE_COLOR}) {
        if (material.GetTextureCount(type) > 0 && material.GetTexture(type, 0, &path) == AI_SUCCESS &&
            path.length > 0) {
            return path.C_Str();
        }
    }
    return {};
}

bool loadTexture(const aiScene& scene, const std::filesystem::path& modelDirectory, ImportedImage& image,
                 std::string& error) {
    const std::string& source = image.source;
    const aiTexture* embedded = scene.GetEmbeddedTexture(source.c_str());
    if (embedded && embedded->mHeight > 0) {  // raw texels, blue-green-red-alpha
        if (embedded->mWidth > 16384 || embedded->mHeight > 16384) {
            error = "embedded texture " + quotedName(source) + " is too large";
            return false;
        }
        std::vector<uint8_t> rgba;
        rgba.reserve(static_cast<size_t>(embedded->mWidth) * embedded->mHeight * 4);
        for (size_t i = 0; i < static_cast<size_t>(embedded->mWidth) * embedded->mHeight; ++i) {
            const aiTexel& t = embedded->pcData[i];
            rgba.insert(rgba.end(), {t.r, t.g, t.b, t.a});
        }
        setImportedPixels(image, std::move(rgba), static_cast<int32_t>(embedded->mWidth),
                          static_cast<int32_t>(embedded->mHeight));
        return true;
    }
    if (embedded) {  // a compressed file (PNG, JPEG, ...) of mWidth bytes
        if (!importImage(reinterpret_cast<const uint8_t*>(embedded->pcData), embedded->mWidth, image)) {
            error = "embedded texture " + quotedName(source) + " is not an image SDL_image can decode";
            return false;
        }
        return true;
    }
    std::string name = source;
    std::replace(name.begin(), name.end(), '\\', '/');
    std::filesystem::path file(name);
    if (file.is_relative()) file = modelDirectory / file;
    std::vector<uint8_t> bytes;
    std::string ignored;  // the message below names the texture as well as the file
    if (!readWholeFile(file.string(), bytes, ignored)) {
        error = "texture " + quotedName(source) + " cannot be read (" + file.string() + ")";
        return false;
    }
    if (!importImage(bytes.data(), bytes.size(), image)) {
        error = "texture " + quotedName(source) + " is not an image SDL_image can decode";
        return false;
    }
    return true;
}

MaterialBlock importMaterial(const aiMaterial& material) {
    MaterialBlock m;
    aiColor4D colour(1, 1, 1, 1);
    if (aiGetMaterialColor(&material, AI_MATKEY_COLOR_DIFFUSE, &colour) != AI_SUCCESS) {
        aiGetMaterialColor(&material, AI_MATKEY_BASE_COLOR, &colour);
    }
    float opacity = 1;
    if (aiGetMaterialFloat(&material, AI_MATKEY_OPACITY, &opacity) == AI_SUCCESS) {
        colour.a = std::min(colour.a, opacity);
    }
    aiString alphaMode;
    const bool gltfMode = material.Get(AI_MATKEY_GLTF_ALPHAMODE, alphaMode) == AI_SUCCESS;
    const std::string mode = gltfMode ? alphaMode.C_Str() : "";
    if (mode == "OPAQUE") colour.a = 1;  // glTF: alpha is ignored when opaque
    m.alphaTest = mode == "MASK";
    m.transparent = mode == "BLEND" || (!gltfMode && colour.a < 1);
    setColour(m.diffuse, colour);

    // assimp gives OBJ materials without Ka a black ambient colour, so black
    // counts as none.
    aiColor4D ambient;
    if (aiGetMaterialColor(&material, AI_MATKEY_COLOR_AMBIENT, &ambient) == AI_SUCCESS &&
        (ambient.r > 0 || ambient.g > 0 || ambient.b > 0)) {
        setColour(m.ambient, ambient);
    } else {
        setColour(m.ambient, aiColor4D(colour.r / 5, colour.g / 5, colour.b / 5, 1));
    }
    m.ambient[3] = colour.a;

    aiColor4D specular;
    float shininess = 0, roughness = 1;
    if (aiGetMaterialColor(&material, AI_MATKEY_COLOR_SPECULAR, &specular) == AI_SUCCESS) {
        setColour(m.specular, specular);
        if (aiGetMaterialFloat(&material, AI_MATKEY_SHININESS, &shininess) == AI_SUCCESS) {
            m.shininess = std::clamp(shininess * 128.0f / 1000.0f, 0.0f, 128.0f);
        }
    } else if (aiGetMaterialFloat(&material, AI_MATKEY_ROUGHNESS_FACTOR, &roughness) == AI_SUCCESS) {
        const float gloss = std::clamp(1 - roughness, 0.0f, 1.0f);
        setColour(m.specular, aiColor4D(gloss / 2, gloss / 2, gloss / 2, 1));
        m.shininess = 128 * gloss * gloss;
    }
    m.specular[3] = colour.a;
    return m;
}
