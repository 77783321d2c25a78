// Functions of shared libraries the process has already loaded, looked up by
// the library's file name. Used to ask a library that another library loaded
// for us (SDL 2 or 3 under sdl12-compat) what version it is, without loading
// anything new.
#pragma once

namespace platform {

// The address of `function` in the already loaded library `library`
// ("libSDL2-2.0.so.0", "SDL2.dll"); null when that library is not loaded or
// has no such function. Never loads a library.
void* loadedLibraryFunction(const char* library, const char* function);

}  // namespace platform
