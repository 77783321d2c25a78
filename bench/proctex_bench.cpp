// Procedural texture updates at 256 x 256: the Plasma generator (fast path
// and the direct per-pixel formula it must equal), Fire, and whole texture
// updates including the upload on offscreen GL.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "common/offscreen_gl.h"
#include "proctex/fire.h"
#include "proctex/plasma.h"
#include "proctex/procedural_texture.h"

namespace {

constexpr int32_t side = 256;

void BM_PlasmaFast(benchmark::State& state) {
    std::unique_ptr<PlasmaState> plasma(makePlasmaState({10, 20, 30}, side, side));
    std::vector<uint8_t> pixels(side * side * 4);
    int32_t ticks = 0;
    for (auto _ : state) {
        generatePlasma(ticks += 16, side, side, pixels.data(), plasma.get());
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(BM_PlasmaFast)->Unit(benchmark::kMicrosecond);

void BM_PlasmaDirect(benchmark::State& state) {
    std::vector<uint8_t> pixels(side * side * 4);
    int32_t ticks = 0;
    for (auto _ : state) {
        generatePlasmaDirect(ticks += 16, side, side, pixels.data(), {10, 20, 30});
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(BM_PlasmaDirect)->Unit(benchmark::kMicrosecond);

void BM_Fire(benchmark::State& state) {
    std::unique_ptr<FireState> fire(makeFireState(side, side));
    std::vector<uint8_t> pixels(side * side * 4);
    std::srand(1);
    for (auto _ : state) {
        generateFire(0, side, side, pixels.data(), fire.get());
        benchmark::DoNotOptimize(pixels.data());
    }
    state.SetItemsProcessed(state.iterations() * side * side);
}
BENCHMARK(BM_Fire)->Unit(benchmark::kMicrosecond);

// Generator plus glTexSubImage2D, as the frame runs it.
void updateBenchmark(benchmark::State& state, bool plasma) {
    OffscreenGl gl(64, 64);
    if (!gl.valid()) {
        state.SkipWithError("no offscreen GL context");
        return;
    }
    std::unique_ptr<ProceduralTexture> texture(
        plasma ? new ProceduralTexture(generatePlasma, deletePlasmaState,
                                       makePlasmaState({10, 20, 30}, side, side), side, side)
               : new ProceduralTexture(generateFire, deleteFireState, makeFireState(side, side),
                                       side, side));
    int32_t ticks = 0;
    for (auto _ : state) texture->update(ticks += 16);
}

void BM_PlasmaTextureUpdate(benchmark::State& state) { updateBenchmark(state, true); }
void BM_FireTextureUpdate(benchmark::State& state) { updateBenchmark(state, false); }
BENCHMARK(BM_PlasmaTextureUpdate)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_FireTextureUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace
