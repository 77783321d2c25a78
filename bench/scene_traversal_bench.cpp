// One frame of a scene of 1,000 nodes, each holding one small textured model,
// on an offscreen context at 320 x 240: the cost of the traversal (placement,
// behaviours, hooks, matrix work) plus drawing. Run the binary under
// `valgrind --tool=callgrind` to split the time between our code and GL.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <memory>
#include <vector>

#include "package/texture_cache.h"
#include "scene/attach_calls.h"
#include "scene/behaviours.h"
#include "scene/frame_ticks.h"
#include "scene/scene_node.h"
#include "scene/transparent_queue.h"
#include "support/offscreen_context.h"
#include "support/test_models.h"
#include "video/display.h"

namespace {

void BM_FrameOfThousandTexturedNodes(benchmark::State& state) {
    OffscreenContext context(320, 240);
    std::unique_ptr<Display> display = Display::onCurrentContext(320, 240);
    TempDir dir;
    textureCache.setBasePath(writeTestPackage(
        dir, "bench.pak",
        {{"square", writeModelEntry({squareRecord("tex", 1.0)})}, {"tex", solidBmp(16, 16, 200, 80, 90)}}));
    auto root = std::make_unique<SceneNode>();
    for (int i = 0; i < 1000; ++i) {
        auto* node = new SceneNode;
        node->setTranslation((i % 40) - 20.0, (i / 40) - 12.0, -60);
        node->loadModel("bench.pak", "square");
        BoundCall spin = endlessCall();
        spin.setParams(behaviourSpin, 2, 30, i, 0);
        attachCalls(*node, {spin});
        root->addChild(node);
    }
    auto frame = [&] {
        frameTicks += 16;
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        root->render();
        transparentQueue.drawAll();
        glFinish();
    };
    // The first frames compile the GL driver's shaders: keep them out.
    for (int i = 0; i < 20; ++i) frame();
    for (auto _ : state) frame();
    state.counters["frames_per_second"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
    root.reset();
    textureCache.setBasePath("0");
}
BENCHMARK(BM_FrameOfThousandTexturedNodes)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
