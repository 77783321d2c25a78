#include "mesh/sub_mesh.h"

#include <GL/gl.h>

#include <algorithm>

#include "mesh/sub_mesh_record.h"
#include "package/byte_cursor.h"
#include "package/texture_cache.h"
#include "proctex/procedural_texture_registry.h"
#include "scene/transparent_queue.h"

namespace {

// GL_LIGHT1 + i exists only below GL_LIGHT0 + GL_MAX_LIGHTS; asking about a
// light beyond that would only raise GL_INVALID_ENUM. Queried once.
int32_t queriedLightCount() {
    static GLint lights = 0;
    if (lights == 0) glGetIntegerv(GL_MAX_LIGHTS, &lights);
    return lights;
}

}  // namespace

SubMesh::~SubMesh() {
    if (!textureHeld) return;
    if (procedural) {
        proceduralTextures.release(textureSource);
    } else {
        textureCache.releaseTexture(textureSource, texture);
    }
}

bool SubMesh::read(ByteCursor& cursor, const std::string& packageName, std::string& error) {
    // A SubMesh reads one record in its life; a second read would leak a use.
    if (textureHeld) {
        error = "sub-mesh read twice";
        return false;
    }
    SubMeshRecordView record;
    if (!parseSubMeshRecord(cursor, record, error)) return false;

    textureEntryName = record.textureName;
    if (isProceduralTextureName(textureEntryName)) {
        texture = proceduralTextures.acquire(textureEntryName);
        textureSource = textureEntryName;
        procedural = true;
    } else {
        texture = textureCache.acquireTexture(packageName, textureEntryName);
        textureSource = packageName;
        procedural = false;
    }
    textureHeld = true;

    material = record.material;
    triangleCount = record.triangleCount;
    geometry = shareVertices(record.positions, record.normals, record.texCoords, record.triangleCount);
    return true;
}

namespace {

bool sameMaterial(const MaterialBlock& a, const MaterialBlock& b) {
    return a.shininess == b.shininess && std::equal(a.specular, a.specular + 4, b.specular) &&
           std::equal(a.diffuse, a.diffuse + 4, b.diffuse) && std::equal(a.ambient, a.ambient + 4, b.ambient);
}

void setEnabled(GLenum capability, bool on) {
    if (on) {
        glEnable(capability);
    } else {
        glDisable(capability);
    }
}

// Sets only the enables that differ between the two.
void switchEnables(const ReplayEnables& from, const ReplayEnables& to) {
    if (from.depthTest != to.depthTest) setEnabled(GL_DEPTH_TEST, to.depthTest);
    if (from.normalize != to.normalize) setEnabled(GL_NORMALIZE, to.normalize);
    if (from.alphaTest != to.alphaTest) setEnabled(GL_ALPHA_TEST, to.alphaTest);
    if (from.clipPlane != to.clipPlane) setEnabled(GL_CLIP_PLANE0, to.clipPlane);
    if (from.lighting != to.lighting) setEnabled(GL_LIGHTING, to.lighting);
    for (int32_t i = 0; i < 8; ++i) {
        const bool was = from.lighting && from.lights[i], now = to.lighting && to.lights[i];
        if (was != now) setEnabled(GL_LIGHT1 + i, now);
    }
}

}  // namespace

void SubMesh::drawGeometry(const SubMesh* previous) const {
    if (!previous || previous->texture != texture) glBindTexture(GL_TEXTURE_2D, texture);
    if (!previous || !sameMaterial(previous->material, material)) {
        glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.shininess);
        glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material.specular);
        glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material.diffuse);
        glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material.ambient);
    }
    const float* vertices = geometry.vertices.data();
    constexpr GLsizei stride = SharedVertices::floatsPerVertex * sizeof(float);
    glVertexPointer(3, GL_FLOAT, stride, vertices);
    glNormalPointer(GL_FLOAT, stride, vertices + SharedVertices::normalOffset);
    glTexCoordPointer(2, GL_FLOAT, stride, vertices + SharedVertices::texCoordOffset);
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(geometry.indices.size()), GL_UNSIGNED_INT,
                   geometry.indices.data());
}

void SubMesh::draw() {
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    if (material.transparent) {
        replay.depthTest = glIsEnabled(GL_DEPTH_TEST);
        replay.normalize = glIsEnabled(GL_NORMALIZE);
        replay.lighting = glIsEnabled(GL_LIGHTING);
        replay.alphaTest = material.alphaTest != 0;
        replay.clipPlane = glIsEnabled(GL_CLIP_PLANE0);
        if (replay.lighting) {
            const int32_t lights = queriedLightCount();
            for (int32_t i = 0; i < 8; ++i) {
                replay.lights[i] = i + 1 < lights && glIsEnabled(GL_LIGHT1 + i);
            }
        }
        transparentQueue.push(this);
        return;
    }
    if (material.alphaTest) glEnable(GL_ALPHA_TEST);
    drawGeometry();
    if (material.alphaTest) glDisable(GL_ALPHA_TEST);
}

void SubMesh::drawDeferred(const SubMesh* previous) {
    switchEnables(previous ? previous->replay : ReplayEnables{}, replay);
    glLoadMatrixd(modelview);
    drawGeometry(previous);
}

void SubMesh::endReplays() const {
    switchEnables(replay, ReplayEnables{});
}
