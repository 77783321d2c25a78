#include <GL/glx.h>
#include <GL/glxext.h>

#include <dlfcn.h>

#include <cstring>

#include "platform/gl_renderer.h"
#include "platform/posix/glx_renderer.h"

namespace platform {
namespace {

// The extension's functions come through glXGetProcAddressARB, as GLVND
// hands them to the screen's vendor.
using GetProcAddress = void (*(*)(const GLubyte*))();
using QueryInteger = Bool (*)(::Display*, int, int, int, unsigned int*);
using QueryString = const char* (*)(::Display*, int, int, int);
using QueryExtensions = const char* (*)(::Display*, int);

template <typename Function>
Function extensionFunction(GetProcAddress getProcAddress, const char* name) {
    return reinterpret_cast<Function>(getProcAddress(reinterpret_cast<const GLubyte*>(name)));
}

bool hasExtension(const char* extensions, const char* name) {
    const size_t length = std::strlen(name);
    for (const char* found = extensions; (found = std::strstr(found, name)) != nullptr; found += length) {
        const bool starts = found == extensions || found[-1] == ' ';
        if (starts && (found[length] == ' ' || found[length] == '\0')) return true;
    }
    return false;
}

}  // namespace

void* glxFunction(const char* name) {
    // Kept loaded: the video library's dlopen of the same file shares it.
    static void* const gl = dlopen("libGL.so.1", RTLD_LAZY | RTLD_GLOBAL);
    return gl ? dlsym(gl, name) : nullptr;
}

GlRenderer glxRenderer(::Display* display, int screen) {
    GlRenderer renderer;
    const auto queryExtensions = reinterpret_cast<QueryExtensions>(glxFunction("glXQueryExtensionsString"));
    const auto getProcAddress = reinterpret_cast<GetProcAddress>(glxFunction("glXGetProcAddressARB"));
    const char* extensions = queryExtensions ? queryExtensions(display, screen) : nullptr;
    if (!getProcAddress || !extensions || !hasExtension(extensions, "GLX_MESA_query_renderer")) return renderer;
    const auto queryInteger = extensionFunction<QueryInteger>(getProcAddress, "glXQueryRendererIntegerMESA");
    const auto queryString = extensionFunction<QueryString>(getProcAddress, "glXQueryRendererStringMESA");
    unsigned int accelerated = 1;
    if (!queryInteger || !queryString ||
        !queryInteger(display, screen, 0, GLX_RENDERER_ACCELERATED_MESA, &accelerated)) {
        return renderer;
    }
    const char* name = queryString(display, screen, 0, GLX_RENDERER_DEVICE_ID_MESA);
    renderer.known = true;
    renderer.accelerated = accelerated != 0;
    renderer.name = name ? name : "?";
    return renderer;
}

GlRenderer screenGlRenderer() {
    ::Display* display = XOpenDisplay(nullptr);
    if (!display) return {};
    const GlRenderer renderer = glxRenderer(display, DefaultScreen(display));
    XCloseDisplay(display);
    return renderer;
}

}  // namespace platform
