#include "platform/loaded_library.h"

#include <dlfcn.h>

namespace platform {

void* loadedLibraryFunction(const char* library, const char* function) {
    // RTLD_NOLOAD hands back the library only when it is already in the
    // process; the extra reference is dropped again at once, the library
    // stays loaded by whoever loaded it.
    void* handle = dlopen(library, RTLD_LAZY | RTLD_NOLOAD);
    if (!handle) return nullptr;
    void* address = dlsym(handle, function);
    dlclose(handle);
    return address;
}

}  // namespace platform
