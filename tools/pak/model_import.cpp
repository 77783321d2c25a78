#include "model_import.h"

#include <assimp/GltfMaterial.h>
#include <assimp/Importer.hpp>
#include <assimp/config.h>
#include <assimp/material.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <map>

#include "common/whole_file.h"
#include "image_resize.h"
#include "mesh/sub_mesh_record.h"
#include "package/image_decode.h"
#include "package/quoted_name.h"

namespace {

constexpr float creaseAngleDegrees = 80;

// assimp's messages may span lines; ours are one.
std::string oneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    while (!text.empty() && text.back() == ' ') text.pop_back();
    return text;
}

// Triangles per material after triangulation, counting each node's use of a
// mesh, as placing every node's meshes will produce them. The walk keeps its
// own stack, so a deep node tree cannot exhaust the call stack.
std::vector<int64_t> trianglesPerMaterial(const aiScene& scene) {
    std::vector<int64_t> counts(scene.mNumMaterials, 0);
    std::vector<const aiNode*> pending{scene.mRootNode};
    while (!pending.empty()) {
        const aiNode* node = pending.back();
        pending.pop_back();
        if (!node) continue;
        for (unsigned i = 0; i < node->mNumMeshes; ++i) {
            if (node->mMeshes[i] >= scene.mNumMeshes) continue;
            const aiMesh& mesh = *scene.mMeshes[node->mMeshes[i]];
            if (mesh.mMaterialIndex >= scene.mNumMaterials) continue;
            for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
                if (mesh.mFaces[f].mNumIndices >= 3) counts[mesh.mMaterialIndex] += mesh.mFaces[f].mNumIndices - 2;
            }
        }
        pending.insert(pending.end(), node->mChildren, node->mChildren + node->mNumChildren);
    }
    return counts;
}

// The file's name for a material's colour texture, or empty.
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

// The decoded image's pixels with packed rows.
std::vector<uint8_t> packedRows(const RgbaImage& decoded) {
    const size_t rowBytes = static_cast<size_t>(decoded.width) * 4;
    std::vector<uint8_t> rgba(rowBytes * static_cast<size_t>(decoded.height));
    for (int32_t y = 0; y < decoded.height; ++y) {
        std::copy_n(decoded.pixels + static_cast<size_t>(y) * decoded.pitch, rowBytes, rgba.begin() + y * rowBytes);
    }
    return rgba;
}

bool isPowerOfTwo(int32_t n) {
    return n > 0 && (n & (n - 1)) == 0;
}

// Sets the image's pixels from packed RGBA, resized to powers of two when
// a side is not one or is above the limit.
void setPixels(ImportedImage& image, std::vector<uint8_t> rgba, int32_t width, int32_t height) {
    image.sourceWidth = width;
    image.sourceHeight = height;
    image.width = width;
    image.height = height;
    if (!isPowerOfTwo(width) || !isPowerOfTwo(height) || width > maxImportedTextureSide ||
        height > maxImportedTextureSide) {
        image.width = nearestPowerOfTwo(width, maxImportedTextureSide);
        image.height = nearestPowerOfTwo(height, maxImportedTextureSide);
        rgba = resizeRgba(rgba.data(), width, height, width * 4, image.width, image.height);
    }
    image.rgba = std::move(rgba);
}

// Decodes a texture (embedded or a file beside the model) into `image`.
// False with `error` set when it cannot.
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
        setPixels(image, std::move(rgba), static_cast<int32_t>(embedded->mWidth),
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

void setColour(float* out, const aiColor4D& c) {
    out[0] = c.r;
    out[1] = c.g;
    out[2] = c.b;
    out[3] = c.a;
}

MaterialBlock convertMaterial(const aiMaterial& material) {
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

bool finite3(const aiVector3D& v) {
    return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z);
}

// Appends the triangles of `mesh` to `record`. False when a position is not a
// finite number.
bool appendTriangles(const aiMesh& mesh, SubMeshRecord& record) {
    const aiVector3D* uv = mesh.mTextureCoords[0];
    for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
        const aiFace& face = mesh.mFaces[f];
        if (face.mNumIndices != 3) continue;
        if (std::any_of(face.mIndices, face.mIndices + 3, [&](unsigned i) { return i >= mesh.mNumVertices; })) {
            continue;
        }
        for (int k = 0; k < 3; ++k) {
            const unsigned i = face.mIndices[k];
            const aiVector3D& p = mesh.mVertices[i];
            if (!finite3(p)) return false;
            record.positions.insert(record.positions.end(), {p.x, p.y, p.z});
            aiVector3D n = mesh.mNormals ? mesh.mNormals[i] : aiVector3D(0, 0, 1);
            if (!finite3(n)) n = aiVector3D(0, 0, 1);  // a degenerate triangle's
            record.normals.insert(record.normals.end(), {n.x, n.y, n.z});
            double s = uv ? uv[i].x : 0, t = uv ? uv[i].y : 0;
            if (!std::isfinite(s)) s = 0;
            if (!std::isfinite(t)) t = 0;
            record.texCoords.insert(record.texCoords.end(), {s, t});
        }
    }
    return true;
}

void fit(std::vector<SubMeshRecord>& subMeshes, const Sphere& sphere, double radius) {
    const double scale = radius / sphere.radius;
    for (SubMeshRecord& record : subMeshes) {
        for (size_t i = 0; i < record.positions.size(); ++i) {
            record.positions[i] = (record.positions[i] - sphere.centre[i % 3]) * scale;
        }
    }
}

}  // namespace

bool hasSeeThroughPixels(const std::vector<uint8_t>& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4) {
        if (rgba[i] < 255) return true;
    }
    return false;
}

bool importImage(const uint8_t* data, size_t size, ImportedImage& image) {
    RgbaImage decoded;
    if (!decodeRgbaImage(data, size, decoded)) return false;
    setPixels(image, packedRows(decoded), decoded.width, decoded.height);
    return true;
}

Sphere boundingSphere(const std::vector<SubMeshRecord>& subMeshes) {
    constexpr double inf = std::numeric_limits<double>::infinity();
    double low[3] = {inf, inf, inf}, high[3] = {-inf, -inf, -inf};
    bool any = false;
    for (const SubMeshRecord& record : subMeshes) {
        for (size_t i = 0; i < record.positions.size(); ++i) {
            low[i % 3] = std::min(low[i % 3], record.positions[i]);
            high[i % 3] = std::max(high[i % 3], record.positions[i]);
            any = true;
        }
    }
    Sphere sphere;
    if (!any) return sphere;
    for (int axis = 0; axis < 3; ++axis) sphere.centre[axis] = (low[axis] + high[axis]) / 2;
    double largest = 0;
    for (const SubMeshRecord& record : subMeshes) {
        for (size_t i = 0; i + 2 < record.positions.size(); i += 3) {
            const double dx = record.positions[i] - sphere.centre[0];
            const double dy = record.positions[i + 1] - sphere.centre[1];
            const double dz = record.positions[i + 2] - sphere.centre[2];
            largest = std::max(largest, dx * dx + dy * dy + dz * dz);
        }
    }
    sphere.radius = std::sqrt(largest);
    return sphere;
}

bool importModel(const std::string& path, const ImportOptions& options, ImportedModel& model, std::string& error) {
    model = ImportedModel();
    try {
        Assimp::Importer importer;
        importer.SetPropertyInteger(AI_CONFIG_PP_SBP_REMOVE, aiPrimitiveType_POINT | aiPrimitiveType_LINE);
        importer.SetPropertyFloat(AI_CONFIG_PP_GSN_MAX_SMOOTHING_ANGLE, creaseAngleDegrees);
        // Read and check first; the costly steps run only on a model that fits.
        const aiScene* scene = importer.ReadFile(path, aiProcess_ValidateDataStructure);
        if (!scene) {
            error = "cannot import: " + oneLine(importer.GetErrorString());
            return false;
        }
        const std::vector<int64_t> triangles = trianglesPerMaterial(*scene);
        for (int64_t count : triangles) model.triangleCount += count;
        if (model.triangleCount == 0) {
            error = "has no triangles";
            return false;
        }

        // One record per material with triangles; one image per distinct texture.
        std::map<std::string, std::string> imageNames;  // the file's texture name -> entry name
        std::vector<unsigned> recordMaterial;
        uint64_t entryBytes = 5;  // marker and count
        for (unsigned i = 0; i < scene->mNumMaterials; ++i) {
            if (triangles[i] == 0) continue;
            SubMeshRecord record;
            record.material = convertMaterial(*scene->mMaterials[i]);
            const std::string texture = colourTexturePath(*scene->mMaterials[i]);
            if (!texture.empty()) {
                auto [named, added] = imageNames.try_emplace(texture, "");
                if (added) {
                    const size_t number = model.images.size() + 1;
                    named->second = options.entryName + "_tex" + (number > 1 ? std::to_string(number) : "");
                    ImportedImage image;
                    image.entryName = named->second;
                    image.source = texture;
                    model.images.push_back(image);
                }
                record.textureName = named->second;
            }
            entryBytes += subMeshFixedBytes + record.textureName.size() + 1 +
                          static_cast<uint64_t>(triangles[i]) * recordBytesPerTriangle;
            recordMaterial.push_back(i);
            model.subMeshes.push_back(std::move(record));
        }
        if (entryBytes > options.maxEntryBytes) {
            error = "has " + std::to_string(model.triangleCount) + " triangles, " + std::to_string(entryBytes) +
                    " bytes as a model entry; an entry holds at most " + std::to_string(options.maxEntryBytes) +
                    " bytes (about " + std::to_string(options.maxEntryBytes / recordBytesPerTriangle) +
                    " triangles)";
            return false;
        }

        const std::filesystem::path directory = std::filesystem::path(path).parent_path();
        for (ImportedImage& image : model.images) {
            if (!loadTexture(*scene, directory, image, error)) return false;
        }
        // OBJ has no alpha mode: a texture with see-through pixels asks for
        // the transparent pass (as our own exported overlays need).
        for (size_t r = 0; r < model.subMeshes.size(); ++r) {
            SubMeshRecord& record = model.subMeshes[r];
            aiString alphaMode;
            if (record.textureName.empty() ||
                scene->mMaterials[recordMaterial[r]]->Get(AI_MATKEY_GLTF_ALPHAMODE, alphaMode) == AI_SUCCESS) {
                continue;
            }
            for (const ImportedImage& image : model.images) {
                if (image.entryName == record.textureName && hasSeeThroughPixels(image.rgba)) {
                    record.material.transparent = 1;
                }
            }
        }

        scene = importer.ApplyPostProcessing(aiProcess_Triangulate | aiProcess_SortByPType |
                                             aiProcess_PreTransformVertices | aiProcess_GenSmoothNormals |
                                             aiProcess_FlipUVs);
        if (!scene) {
            error = "cannot import: " + oneLine(importer.GetErrorString());
            return false;
        }
        for (size_t r = 0; r < model.subMeshes.size(); ++r) {
            SubMeshRecord& record = model.subMeshes[r];
            const size_t corners = static_cast<size_t>(triangles[recordMaterial[r]]) * 3;
            record.positions.reserve(corners * 3);
            record.normals.reserve(corners * 3);
            record.texCoords.reserve(corners * 2);
            for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
                const aiMesh& mesh = *scene->mMeshes[m];
                if (mesh.mMaterialIndex != recordMaterial[r]) continue;
                if (!appendTriangles(mesh, record)) {
                    error = "has a vertex position that is not a finite number";
                    return false;
                }
            }
        }
        std::erase_if(model.subMeshes, [](const SubMeshRecord& record) { return record.positions.empty(); });
        std::erase_if(model.images, [&](const ImportedImage& image) {
            return std::none_of(model.subMeshes.begin(), model.subMeshes.end(),
                                [&](const SubMeshRecord& record) { return record.textureName == image.entryName; });
        });
        model.triangleCount = 0;
        for (const SubMeshRecord& record : model.subMeshes) {
            model.triangleCount += static_cast<int64_t>(record.positions.size() / 9);
        }
        if (model.triangleCount == 0) {
            error = "has no triangles";
            return false;
        }
    } catch (const std::exception& e) {
        error = "cannot import: " + oneLine(e.what());
        return false;
    }

    for (SubMeshRecord& record : model.subMeshes) {
        for (size_t i = 0; i + 2 < record.positions.size(); i += 3) {
            toShowFrame(&record.positions[i], options.up);
            toShowFrame(&record.normals[i], options.up);
        }
    }
    const Sphere sphere = boundingSphere(model.subMeshes);
    model.radius = sphere.radius;
    if (options.fitRadius > 0) {
        if (!(sphere.radius > 0) || !std::isfinite(sphere.radius)) {
            error = "has no extent to fit into a sphere";
            return false;
        }
        fit(model.subMeshes, sphere, options.fitRadius);
    }
    return true;
}
