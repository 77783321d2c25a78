#include "platform/gl_renderer.h"

namespace platform {

bool isSoftwareRendererName(const std::string& name) {
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "Software Rasterizer", "GDI Generic"}) {
        if (name.find(software) != std::string::npos) return true;
    }
    return false;
}

bool wantsMultisampling(Multisampling choice, const GlRenderer& renderer) {
    if (choice != Multisampling::automatic) return choice == Multisampling::on;
    return !renderer.known || renderer.accelerated;
}

std::string describeGlSetUp(Multisampling choice, const GlRenderer& renderer) {
    if (!renderer.known) return {};
    const char* kind = renderer.accelerated ? "GPU" : "software";
    std::string why;
    if (choice == Multisampling::automatic) {
        why = renderer.accelerated ? "4x multisampling" : "no multisampling (it would halve the frame rate)";
    } else {
        why = choice == Multisampling::on ? "4x multisampling, as asked" : "no multisampling, as asked";
    }
    return renderer.name + " (" + kind + "): " + why;
}

}  // namespace platform
