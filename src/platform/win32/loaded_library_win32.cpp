#include <windows.h>

#include "platform/loaded_library.h"

namespace platform {

void* loadedLibraryFunction(const char* library, const char* function) {
    // GetModuleHandleA takes no reference and loads nothing.
    HMODULE module = GetModuleHandleA(library);
    if (!module) return nullptr;
    return reinterpret_cast<void*>(GetProcAddress(module, function));
}

}  // namespace platform
