// Opening a package and reading a 1 MB model from it, as model loading does:
// the file read whole, the entry found, the header read and every sub-mesh
// parsed with its texture acquired (one shared image entry), then everything
// given back so the next round reads the file anew. Also the parse alone,
// without file or GL.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "common/bmp_writer.h"
#include "common/offscreen_gl.h"
#include "common/temp_dir.h"
#include "mesh/model_entry.h"
#include "mesh/model_writer.h"
#include "mesh/sub_mesh.h"
#include "package/byte_cursor.h"
#include "package/package_reader.h"
#include "package/package_writer.h"
#include "package/texture_cache.h"

namespace {

constexpr int32_t subMeshes = 10;
constexpr int32_t trianglesPerSubMesh = 546;  // 10 x (153 + 546 x 192) bytes: just over 1 MB

std::vector<uint8_t> makeModel() {
    std::vector<SubMeshRecord> records(subMeshes);
    for (SubMeshRecord& record : records) {
        record.textureName = "skin";
        record.positions.assign(trianglesPerSubMesh * 9, 0.5);
        record.normals.assign(trianglesPerSubMesh * 9, 0.0);
        record.texCoords.assign(trianglesPerSubMesh * 6, 0.25);
    }
    return writeModelEntry(records);
}

// 2 x 2 opaque white, as a BMP (what SDL_image decodes without extra libraries).
std::vector<uint8_t> smallImage() {
    return encodeBmp24(2, 2, std::vector<uint8_t>(2 * 2 * 4, 255));
}

struct BenchPackage {
    BenchPackage() : folder("amber-bench-"), directory(folder.path()) {
        model = makeModel();
        std::string error;
        writePackageFile(directory + "/bench.pak", {{"skin", smallImage()}, {"serdce", model}}, error);
    }
    TempDir folder;
    std::string directory;
    std::vector<uint8_t> model;
};

void BM_OpenPackageAndLoadModel(benchmark::State& state) {
    OffscreenGl gl(64, 64);
    if (!gl.valid()) {
        state.SkipWithError("no offscreen GL context");
        return;
    }
    BenchPackage package;
    textureCache.setBasePath(package.directory + "/");
    std::vector<std::unique_ptr<SubMesh>> meshes;
    meshes.reserve(subMeshes);
    for (auto _ : state) {
        const EntryBytes entry = textureCache.acquireEntry("bench.pak", "serdce");
        ByteCursor cursor(entry.data, static_cast<size_t>(entry.size));
        int32_t count = 0;
        std::string error;
        if (!readModelHeader(cursor, count, error)) state.SkipWithError(error.c_str());
        for (int32_t i = 0; i < count; ++i) {
            meshes.push_back(std::make_unique<SubMesh>());
            if (!meshes.back()->read(cursor, "bench.pak", error)) state.SkipWithError(error.c_str());
        }
        meshes.clear();
        textureCache.releasePackage("bench.pak");
    }
    textureCache.setBasePath("0");
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(package.model.size()));
}
BENCHMARK(BM_OpenPackageAndLoadModel)->Unit(benchmark::kMicrosecond);

void BM_ParseModelInMemory(benchmark::State& state) {
    const std::vector<uint8_t> model = makeModel();
    ModelInfo info;
    std::string error;
    for (auto _ : state) {
        benchmark::DoNotOptimize(inspectModel(model.data(), model.size(), info, error));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(model.size()));
}
BENCHMARK(BM_ParseModelInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
