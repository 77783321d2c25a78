#include <gtest/gtest.h>

#include "platform/gl_renderer.h"

namespace {

using platform::Multisampling;

// The names GL_RENDERER gives on the machines the show meets, and whether the
// automatic choice multisamples there.
TEST(GlSetUp, SoftwareRasterisersDrawWithoutMultisampling) {
    const struct {
        const char* name;
        bool software;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Software Rasterizer", true},  // Mesa's classic swrast
        {"GDI Generic", true},          // Windows without a GPU driver
        {"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49, 6.1.0-13-amd64)", false},
        {"virgl (Intel(R) UHD Graphics 620)", false},  // a guest drawing on its host's GPU
    };
    for (const auto& test : cases) {
        EXPECT_EQ(platform::isSoftwareRendererName(test.name), test.software) << test.name;
        const platform::GlRenderer renderer{true, !test.software, test.name};
        EXPECT_EQ(platform::wantsMultisampling(Multisampling::automatic, renderer), !test.software) << test.name;
    }
    // Unknown is taken for a GPU, as the show did before it could ask.
    EXPECT_TRUE(platform::wantsMultisampling(Multisampling::automatic, platform::GlRenderer{}));
}

}  // namespace
