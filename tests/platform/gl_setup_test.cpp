#include <gtest/gtest.h>

#include "platform/gl_renderer.h"

// The renderers the show meets: software rasterisers draw without
// multisampling; a GPU, or one not known, with it.
TEST(GlSetUp, SoftwareRasterisersDrawWithoutMultisampling) {
    const std::pair<const char*, bool> cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true}, {"softpipe", true}, {"Software Rasterizer", true},
        {"GDI Generic", true}, {"AMD Radeon RX 6600 (radeonsi, navi23, LLVM 15.0.6, DRM 3.49)", false},
        {"virgl (Intel(R) UHD Graphics 620)", false}};
    for (const auto& [name, software] : cases) {
        EXPECT_EQ(platform::isSoftwareRendererName(name), software) << name;
        const platform::GlRenderer renderer{true, !software, name};
        EXPECT_EQ(platform::wantsMultisampling(platform::Multisampling::automatic, renderer), !software) << name;
    }
    EXPECT_TRUE(platform::wantsMultisampling(platform::Multisampling::automatic, platform::GlRenderer{}));
}
