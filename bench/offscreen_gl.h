// A current OSMesa context for benchmarks that need GL (texture uploads,
// texture creation while reading models). No window, no display.
#pragma once

#include <GL/osmesa.h>

#include <cstdint>
#include <vector>

class BenchContext {
public:
    BenchContext(int32_t width = 64, int32_t height = 64)
        : buffer(static_cast<size_t>(width) * height * 4) {
        context = OSMesaCreateContextExt(OSMESA_RGBA, 24, 8, 0, nullptr);
        if (context && !OSMesaMakeCurrent(context, buffer.data(), GL_UNSIGNED_BYTE, width, height)) {
            OSMesaDestroyContext(context);
            context = nullptr;
        }
    }
    ~BenchContext() {
        if (context) OSMesaDestroyContext(context);
    }
    bool valid() const { return context != nullptr; }

private:
    OSMesaContext context = nullptr;
    std::vector<uint8_t> buffer;
};
