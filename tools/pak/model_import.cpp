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

#include "material_import.h"
#include "mesh/sub_mesh_record.h"

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

// The records of a model as planned from the file's materials: for each
// record, the file's material it comes from.
using RecordMaterials = std::vector<unsigned>;

// Reads and checks the file; the costly steps run later, only on a model
// that fits. Null, with `error` set, when assimp cannot read it.
const aiScene* readScene(Assimp::Importer& importer, const std::string& path, std::string& error) {
    importer.SetPropertyInteger(AI_CONFIG_PP_SBP_REMOVE, aiPrimitiveType_POINT | aiPrimitiveType_LINE);
    importer.SetPropertyFloat(AI_CONFIG_PP_GSN_MAX_SMOOTHING_ANGLE, creaseAngleDegrees);
    const aiScene* scene = importer.ReadFile(path, aiProcess_ValidateDataStructure);
    if (!scene) error = "cannot import: " + oneLine(importer.GetErrorString());
    return scene;
}

// The entry name of the image for the file's texture name `texture`, added to
// the model's images on its first use: "<entry>_tex", "<entry>_tex2", ...
std::string imageFor(const std::string& texture, const std::string& entryName, ImportedModel& model,
                     std::map<std::string, std::string>& imageNames) {
    auto [named, added] = imageNames.try_emplace(texture, "");
    if (added) {
        const size_t number = model.images.size() + 1;
        named->second = entryName + "_tex" + (number > 1 ? std::to_string(number) : "");
        ImportedImage image;
        image.entryName = named->second;
        image.source = texture;
        model.images.push_back(image);
    }
    return named->second;
}

// One record (material and texture name, no triangles yet) per material with
// triangles, one image per distinct texture. False, with `error` set, when
// there are no triangles or they would not fit one entry.
bool planRecords(const aiScene& scene, const std::vector<int64_t>& triangles, const ImportOptions& options,
                 ImportedModel& model, RecordMaterials& recordMaterials, std::string& error) {
    for (int64_t count : triangles) model.triangleCount += count;
    if (model.triangleCount == 0) {
        error = "has no triangles";
        return false;
    }
    std::map<std::string, std::string> imageNames;  // the file's texture name -> entry name
    uint64_t entryBytes = 5;  // marker and count
    for (unsigned i = 0; i < scene.mNumMaterials; ++i) {
        if (triangles[i] == 0) continue;
        SubMeshRecord record;
        record.material = importMaterial(*scene.mMaterials[i]);
        const std::string texture = colourTexturePath(*scene.mMaterials[i]);
        if (!texture.empty()) record.textureName = imageFor(texture, options.entryName, model, imageNames);
        entryBytes += subMeshFixedBytes + record.textureName.size() + 1 +
                      static_cast<uint64_t>(triangles[i]) * recordBytesPerTriangle;
        recordMaterials.push_back(i);
        model.subMeshes.push_back(std::move(record));
    }
    if (entryBytes > options.maxEntryBytes) {
        error = "has " + std::to_string(model.triangleCount) + " triangles, " + std::to_string(entryBytes) +
                " bytes as a model entry; an entry holds at most " + std::to_string(options.maxEntryBytes) +
                " bytes (about " + std::to_string(options.maxEntryBytes / recordBytesPerTriangle) + " triangles)";
        return false;
    }
    return true;
}

bool loadTextures(const aiScene& scene, const std::string& path, ImportedModel& model, std::string& error) {
    const std::filesystem::path directory = std::filesystem::path(path).parent_path();
    for (ImportedImage& image : model.images) {
        if (!loadTexture(scene, directory, image, error)) return false;
    }
    return true;
}

// OBJ has no alpha mode: a texture with see-through pixels asks for the
// transparent pass (as our own exported overlays need). A glTF material's
// alpha mode stands as the file says.
void markSeeThroughTextures(const aiScene& scene, const RecordMaterials& recordMaterials, ImportedModel& model) {
    for (size_t r = 0; r < model.subMeshes.size(); ++r) {
        SubMeshRecord& record = model.subMeshes[r];
        aiString alphaMode;
        if (record.textureName.empty() ||
            scene.mMaterials[recordMaterials[r]]->Get(AI_MATKEY_GLTF_ALPHAMODE, alphaMode) == AI_SUCCESS) {
            continue;
        }
        for (const ImportedImage& image : model.images) {
            if (image.entryName == record.textureName && hasSeeThroughPixels(image.rgba)) {
                record.material.transparent = 1;
            }
        }
    }
}

// Triangulates, places every node's meshes and computes missing normals,
// then fills each record with the triangles of its material.
bool gatherTriangles(Assimp::Importer& importer, const std::vector<int64_t>& triangles,
                     const RecordMaterials& recordMaterials, ImportedModel& model, std::string& error) {
    const aiScene* scene = importer.ApplyPostProcessing(aiProcess_Triangulate | aiProcess_SortByPType |
                                                        aiProcess_PreTransformVertices | aiProcess_GenSmoothNormals |
                                                        aiProcess_FlipUVs);
    if (!scene) {
        error = "cannot import: " + oneLine(importer.GetErrorString());
        return false;
    }
    for (size_t r = 0; r < model.subMeshes.size(); ++r) {
        SubMeshRecord& record = model.subMeshes[r];
        const size_t corners = static_cast<size_t>(triangles[recordMaterials[r]]) * 3;
        record.positions.reserve(corners * 3);
        record.normals.reserve(corners * 3);
        record.texCoords.reserve(corners * 2);
        for (unsigned m = 0; m < scene->mNumMeshes; ++m) {
            const aiMesh& mesh = *scene->mMeshes[m];
            if (mesh.mMaterialIndex != recordMaterials[r]) continue;
            if (!appendTriangles(mesh, record)) {
                error = "has a vertex position that is not a finite number";
                return false;
            }
        }
    }
    return true;
}

// Drops the records left without triangles and the images no record uses,
// and counts the triangles kept. False when none are.
bool dropEmptyRecords(ImportedModel& model, std::string& error) {
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

// Turns the model to the show's axes and, when asked, centres and scales it
// into the sphere of the options.
bool placeInShow(ImportedModel& model, const ImportOptions& options, std::string& error) {
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

}  // namespace

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
        const aiScene* scene = readScene(importer, path, error);
        if (!scene) return false;
        const std::vector<int64_t> triangles = trianglesPerMaterial(*scene);
        RecordMaterials recordMaterials;
        if (!planRecords(*scene, triangles, options, model, recordMaterials, error) ||
            !loadTextures(*scene, path, model, error)) {
            return false;
        }
        markSeeThroughTextures(*scene, recordMaterials, model);
        if (!gatherTriangles(importer, triangles, recordMaterials, model, error) || !dropEmptyRecords(model, error)) {
            return false;
        }
    } catch (const std::exception& e) {
        error = "cannot import: " + oneLine(e.what());
        return false;
    }
    return placeInShow(model, options, error);
}
