// The packages the build draws into the saver folder, read back for tests:
// whole files through the package reader, model entries through the
// sub-mesh record reader, images through the image decoder.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "mesh/model_entry.h"
#include "mesh/sub_mesh_record.h"
#include "package/byte_cursor.h"
#include "package/image_decode.h"
#include "package/package_reader.h"

inline std::string saverDir() {
    return AMBER_SAVER_DIR;
}

struct RealPackage {
    std::string name;
    std::vector<uint8_t> bytes;
    std::vector<PackageEntryView> entries;
    std::string error;  // empty when the whole file was read

    const PackageEntryView* find(const std::string& entry) const {
        for (const PackageEntryView& view : entries) {
            if (view.name == entry) return &view;
        }
        return nullptr;
    }
};

// Read from the saver folder; `error` says why when it cannot be read.
inline RealPackage loadPackage(const std::string& name) {
    RealPackage package;
    package.name = name;
    std::ifstream file(saverDir() + name, std::ios::binary);
    if (!file) {
        package.error = "cannot open " + saverDir() + name;
        return package;
    }
    package.bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!readPackageEntries(package.bytes.data(), package.bytes.size(), package.entries,
                            package.error)) {
        package.entries.clear();
    }
    return package;
}

// One sub-mesh with its arrays decoded.
struct Mesh {
    std::string texture;
    MaterialBlock material;
    std::vector<double> positions;  // x, y, z per corner
    std::vector<double> normals;
    std::vector<double> texCoords;  // s, t per corner
    size_t corners() const { return positions.size() / 3; }
};

inline std::vector<double> decodeDoubles(const uint8_t* bytes, size_t count) {
    std::vector<double> out(count);
    if (count) std::memcpy(out.data(), bytes, count * sizeof(double));
    return out;
}

// The sub-meshes of a model entry; `error` set when it does not parse.
inline std::vector<Mesh> readModel(const PackageEntryView& entry, std::string& error) {
    std::vector<Mesh> meshes;
    ByteCursor cursor(entry.data, static_cast<size_t>(entry.size));
    int32_t count = 0;
    if (!readModelHeader(cursor, count, error)) return {};
    for (int32_t i = 0; i < count; ++i) {
        SubMeshRecordView view;
        if (!parseSubMeshRecord(cursor, view, error)) return {};
        Mesh mesh;
        mesh.texture = view.textureName;
        mesh.material = view.material;
        const size_t corners = static_cast<size_t>(view.triangleCount) * 3;
        mesh.positions = decodeDoubles(view.positions, corners * 3);
        mesh.normals = decodeDoubles(view.normals, corners * 3);
        mesh.texCoords = decodeDoubles(view.texCoords, corners * 2);
        meshes.push_back(std::move(mesh));
    }
    return meshes;
}

inline std::vector<Mesh> readModel(const RealPackage& package, const std::string& entry) {
    const PackageEntryView* view = package.find(entry);
    if (!view) {
        ADD_FAILURE() << package.name << " has no entry " << entry;
        return {};
    }
    std::string error;
    std::vector<Mesh> meshes = readModel(*view, error);
    EXPECT_TRUE(error.empty()) << package.name << " " << entry << ": " << error;
    return meshes;
}

// The area of a sprite's image where alpha exceeds a threshold, in the
// model's units (a sprite is one axis-aligned quad).
struct Extent {
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    bool empty() const { return left > right; }
    double width() const { return right - left; }
    double height() const { return top - bottom; }
};

inline Extent visibleExtent(const RealPackage& package, const Mesh& sprite, uint8_t threshold) {
    Extent extent;
    const PackageEntryView* image = package.find(sprite.texture);
    RgbaImage decoded;
    if (!image || !decodeRgbaImage(image->data, static_cast<size_t>(image->size), decoded)) {
        ADD_FAILURE() << package.name << ": no image " << sprite.texture;
        return extent;
    }
    // Affine map texture (s, t) -> model (x, y) from the quad's corners.
    double s0 = 1e9, s1 = -1e9, t0 = 1e9, t1 = -1e9, x0 = 0, x1 = 0, y0 = 0, y1 = 0;
    for (size_t i = 0; i < sprite.corners(); ++i) {
        const double s = sprite.texCoords[i * 2], t = sprite.texCoords[i * 2 + 1];
        if (s < s0) s0 = s, x0 = sprite.positions[i * 3];
        if (s > s1) s1 = s, x1 = sprite.positions[i * 3];
        if (t < t0) t0 = t, y0 = sprite.positions[i * 3 + 1];
        if (t > t1) t1 = t, y1 = sprite.positions[i * 3 + 1];
    }
    for (int32_t row = 0; row < decoded.height; ++row) {
        for (int32_t column = 0; column < decoded.width; ++column) {
            const uint8_t alpha = decoded.pixels[row * decoded.pitch + column * 4 + 3];
            if (alpha <= threshold) continue;
            for (double corner : {0.0, 1.0}) {
                const double s = (column + corner) / decoded.width;
                const double t = (row + corner) / decoded.height;
                const double x = x0 + (s - s0) / (s1 - s0) * (x1 - x0);
                const double y = y0 + (t - t0) / (t1 - t0) * (y1 - y0);
                extent.left = std::min(extent.left, x);
                extent.right = std::max(extent.right, x);
                extent.bottom = std::min(extent.bottom, y);
                extent.top = std::max(extent.top, y);
            }
        }
    }
    return extent;
}
