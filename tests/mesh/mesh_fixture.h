// Test scene for sub-meshes on real GL: a 64 x 64 offscreen context with the
// Display's fixed state, a temporary install directory as the TextureCache's
// base path, and helpers to make packages and read sub-meshes from records.
#pragma once

#include <GL/gl.h>

#include <memory>
#include <string>
#include <vector>

#include "mesh/model_writer.h"
#include "mesh/sub_mesh.h"
#include "package/byte_cursor.h"
#include "package/package_writer.h"
#include "package/texture_cache.h"
#include "support/offscreen_context.h"
#include "common/temp_dir.h"
#include "video/display.h"

class MeshScene {
public:
    static constexpr int32_t size = 64;

    MeshScene() {
        if (!context.valid()) return;
        display = Display::onCurrentContext(size, size);
        textureCache.setBasePath(dir.path() + "/");
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    ~MeshScene() { textureCache.setBasePath("0"); }

    bool valid() const { return context.valid(); }

    void writePackage(const std::string& name, const std::vector<PackageEntry>& entries) {
        const std::vector<uint8_t> bytes = ::writePackage(entries);
        dir.write(name, std::string(bytes.begin(), bytes.end()));
    }

    // Reads one sub-mesh from `record`; the bytes stay alive with the scene.
    std::unique_ptr<SubMesh> read(const SubMeshRecord& record, const std::string& packageName) {
        models.push_back(std::make_unique<std::vector<uint8_t>>());
        appendSubMeshRecord(*models.back(), record);
        ByteCursor cursor(models.back()->data(), models.back()->size());
        auto subMesh = std::make_unique<SubMesh>();
        std::string error;
        if (!subMesh->read(cursor, packageName, error)) return nullptr;
        return subMesh;
    }

    // Red, green, blue, alpha at the centre of the viewport.
    const uint8_t* centre() const { return context.pixel(size / 2, size / 2); }

    OffscreenContext context{size, size};
    std::unique_ptr<Display> display;
    TempDir dir;
    std::vector<std::unique_ptr<std::vector<uint8_t>>> models;
};

// Two triangles covering [-half, half] squared at depth z, facing the eye.
inline SubMeshRecord quadRecord(const std::string& texture, double z, double half = 50.0) {
    SubMeshRecord record;
    record.textureName = texture;
    const double corners[6][2] = {{-half, -half}, {half, -half}, {half, half},
                                  {-half, -half}, {half, half},  {-half, half}};
    for (const auto& c : corners) {
        record.positions.insert(record.positions.end(), {c[0], c[1], z});
        record.normals.insert(record.normals.end(), {0.0, 0.0, 1.0});
        record.texCoords.insert(record.texCoords.end(), {c[0] > 0 ? 1.0 : 0.0, c[1] > 0 ? 1.0 : 0.0});
    }
    return record;
}

// Enable states drawing must leave as it found them.
struct EnableSnapshot {
    GLboolean alphaTest, blend, depthTest, lighting, light1, normalize, texture2d, depthMask;
    static EnableSnapshot take() {
        EnableSnapshot s{};
        s.alphaTest = glIsEnabled(GL_ALPHA_TEST);
        s.blend = glIsEnabled(GL_BLEND);
        s.depthTest = glIsEnabled(GL_DEPTH_TEST);
        s.lighting = glIsEnabled(GL_LIGHTING);
        s.light1 = glIsEnabled(GL_LIGHT1);
        s.normalize = glIsEnabled(GL_NORMALIZE);
        s.texture2d = glIsEnabled(GL_TEXTURE_2D);
        glGetBooleanv(GL_DEPTH_WRITEMASK, &s.depthMask);
        return s;
    }
    bool operator==(const EnableSnapshot& o) const {
        return alphaTest == o.alphaTest && blend == o.blend && depthTest == o.depthTest &&
               lighting == o.lighting && light1 == o.light1 && normalize == o.normalize &&
               texture2d == o.texture2d && depthMask == o.depthMask;
    }
};
