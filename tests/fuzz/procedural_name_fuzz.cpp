// Fuzzes the procedural texture name parser: parsing always ends, and an
// accepted name always gives a size a texture can be made at.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>

#include "proctex/procedural_name.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    ProceduralTextureName parsed;
    std::string why;
    if (!parseProceduralTextureName(name, parsed, why)) {
        if (why.empty()) __builtin_trap();
        return 0;
    }
    const int32_t minimumHeight = parsed.kind == ProceduralKind::Fire ? 2 : 1;
    if (parsed.width < 1 || parsed.height < minimumHeight) __builtin_trap();
    if (int64_t{parsed.width} * parsed.height * 4 > std::numeric_limits<int32_t>::max()) __builtin_trap();
    return 0;
}
