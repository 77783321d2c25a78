// In steady state a frame allocates nothing on the heap: the traversal,
// behaviours that only move their node, hooks, mesh drawing and the
// transparent pass reuse what they have.
#include <cstdlib>
#include <new>

#include "mesh/sub_mesh.h"
#include "scene/attach_calls.h"
#include "scene/behaviours.h"
#include "scene/frame_ticks.h"
#include "scene/hooks.h"
#include "scene/scene_node.h"
#include "scene/transparent_queue.h"
#include "package/texture_cache.h"
#include "support/gl_test.h"
#include "support/test_models.h"

namespace {
bool counting = false;
long allocations = 0;
}  // namespace

// Counts C++ heap allocations while `counting` is set (this test program
// only). Every unaligned form is replaced, so each allocation meets its own
// kind of release; they pair malloc with free on purpose.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
void* countedAllocation(std::size_t size) {
    if (counting) ++allocations;
    return std::malloc(size ? size : 1);
}
}  // namespace

void* operator new(std::size_t size) {
    if (void* p = countedAllocation(size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    if (void* p = countedAllocation(size)) return p;
    throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return countedAllocation(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return countedAllocation(size);
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

class SteadyStateTest : public GlTest {};

TEST_F(SteadyStateTest, FramesAllocateNothing) {
    TempDir dir;
    textureCache.setBasePath(writeTestPackage(
        dir, "steady.pak",
        {{"opaque", writeModelEntry({squareRecord("tex")})},
         {"clear", writeModelEntry({squareRecord("tex", 1.0, true)})},
         {"tex", solidBmp(8, 8, 90, 160, 220)}}));
    {
        SceneNode root;
        root.addHook(hookLighting, 0);
        for (int i = 0; i < 50; ++i) {
            auto* node = new SceneNode;
            node->loadModel("steady.pak", i % 2 ? "opaque" : "clear");
            node->setScale(1.5, 1.5, 1.5);
            node->addHook(hookBillboard, 0);
            BoundCall spin = endlessCall();
            spin.setParams(behaviourSpin, 2, 45, 0, 0);
            BoundCall drift = endlessCall();
            drift.setParams(behaviourDrift, 0, 3, 0, 0);
            BoundCall wobble = endlessCall();
            wobble.setParams(behaviourOscillate, 1, 1, 2, 0);
            attachCalls(*node, {spin, drift, wobble});
            root.addChild(node);
        }
        auto frame = [&] {
            frameTicks += 16;
            glLoadIdentity();
            root.render();
            transparentQueue.drawAll();
        };
        for (int i = 0; i < 5; ++i) frame();  // storage reaches its working size
        counting = true;
        allocations = 0;
        for (int i = 0; i < 100; ++i) frame();
        counting = false;
        EXPECT_EQ(allocations, 0);
    }
    textureCache.setBasePath("0");
}

}  // namespace
