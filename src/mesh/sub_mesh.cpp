#include "mesh/sub_mesh.h"

#include <GL/gl.h>

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
    positions = record.positions;
    normals = record.normals;
    texCoords = record.texCoords;
    return true;
}

void SubMesh::drawGeometry() const {
    glBindTexture(GL_TEXTURE_2D, texture);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, material.shininess);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, material.specular);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, material.diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, material.ambient);
    glVertexPointer(3, GL_DOUBLE, 0, positions);
    glNormalPointer(GL_DOUBLE, 0, normals);
    glTexCoordPointer(2, GL_DOUBLE, 0, texCoords);
    glDrawArrays(GL_TRIANGLES, 0, 3 * triangleCount);
}

void SubMesh::draw() {
    glGetDoublev(GL_MODELVIEW_MATRIX, modelview);
    if (material.transparent) {
        savedDepthTest = glIsEnabled(GL_DEPTH_TEST);
        savedNormalize = glIsEnabled(GL_NORMALIZE);
        savedLighting = glIsEnabled(GL_LIGHTING);
        if (savedLighting) {
            const int32_t lights = queriedLightCount();
            for (int32_t i = 0; i < 8; ++i) {
                savedLights[i] = i + 1 < lights && glIsEnabled(GL_LIGHT1 + i);
            }
        }
        transparentQueue.push(this);
        return;
    }
    if (material.alphaTest) glEnable(GL_ALPHA_TEST);
    drawGeometry();
    if (material.alphaTest) glDisable(GL_ALPHA_TEST);
}

void SubMesh::drawDeferred() {
    if (!savedDepthTest) glDisable(GL_DEPTH_TEST);
    if (savedNormalize) glEnable(GL_NORMALIZE);
    if (savedLighting) {
        glEnable(GL_LIGHTING);
        for (int32_t i = 0; i < 8; ++i) {
            if (savedLights[i]) glEnable(GL_LIGHT1 + i);
        }
    }
    if (material.alphaTest) glEnable(GL_ALPHA_TEST);
    glLoadMatrixd(modelview);
    glEnable(GL_BLEND);

    drawGeometry();

    if (!savedDepthTest) glEnable(GL_DEPTH_TEST);
    if (savedNormalize) glDisable(GL_NORMALIZE);
    if (savedLighting) {
        glDisable(GL_LIGHTING);
        for (int32_t i = 0; i < 8; ++i) {
            if (savedLights[i]) glDisable(GL_LIGHT1 + i);
        }
    }
    if (material.alphaTest) glDisable(GL_ALPHA_TEST);
    glDisable(GL_BLEND);
}
