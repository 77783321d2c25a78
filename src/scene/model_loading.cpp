// SceneNode::loadModel: a model entry of a package becomes sub-meshes of the
// node, pointing into the package's bytes (layout: mesh/model_entry.h).
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "mesh/model_entry.h"
#include "mesh/sub_mesh.h"
#include "package/byte_cursor.h"
#include "package/quoted_name.h"
#include "package/texture_cache.h"
#include "scene/scene_node.h"

namespace {

// A missing model is asked for again by every node that wants it (small
// hearts are made many times a second): say it once per package and entry.
void reportOnce(const std::string& packageName, const std::string& entryName,
                const std::string& message) {
    static std::vector<std::string> reported;
    const std::string key = packageName + '\n' + entryName;
    for (const std::string& seen : reported) {
        if (seen == key) return;
    }
    reported.push_back(key);
    std::fprintf(stderr, "model %s in package %s: %s\n", quotedName(entryName).c_str(),
                 quotedName(packageName).c_str(), message.c_str());
}

}  // namespace

void SceneNode::loadModel(const std::string& packageName, const std::string& entryName) {
    packageNames.push_back(packageName);
    const EntryBytes entry = textureCache.acquireEntry(packageName, entryName);
    if (!entry.data) {
        reportOnce(packageName, entryName, "not found");
        return;
    }
    ByteCursor cursor(entry.data, static_cast<size_t>(entry.size));
    int32_t count = 0;
    std::string error;
    if (!readModelHeader(cursor, count, error)) {
        reportOnce(packageName, entryName, "refused: " + error);
        return;
    }
    // A record that does not fit refuses the whole model: the sub-meshes read
    // before it are taken back, so the node keeps what it had.
    const size_t before = subMeshes.size();
    for (int32_t i = 0; i < count; ++i) {
        auto subMesh = std::make_unique<SubMesh>();
        if (!subMesh->read(cursor, packageName, error)) {
            subMeshes.resize(before);
            reportOnce(packageName, entryName,
                       "refused: sub-mesh " + std::to_string(i) + ": " + error);
            return;
        }
        subMeshes.push_back(std::move(subMesh));
    }
    subMeshCount += count;
    hasMeshes = true;
}
