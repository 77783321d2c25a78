// frame_clock: a library put in front of a program with LD_PRELOAD that notes
// the time of every SDL_GL_SwapBuffers, for the whole-show frame-rate
// benchmark (frame_rate.py). The times (CLOCK_MONOTONIC, nanoseconds) go to
// the file named by $AMBER_FRAME_LOG when the program ends: nothing is
// written while it runs.
#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

namespace {

std::vector<long long>* swaps = nullptr;
using SwapFunction = void (*)();
SwapFunction realSwap = nullptr;

long long nowNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

__attribute__((constructor)) void start() {
    swaps = new std::vector<long long>;
    swaps->reserve(1 << 20);  // a few hours at 60 frames a second, never grown while timing
    realSwap = reinterpret_cast<SwapFunction>(dlsym(RTLD_NEXT, "SDL_GL_SwapBuffers"));
}

__attribute__((destructor)) void finish() {
    const char* path = std::getenv("AMBER_FRAME_LOG");
    if (!path || !swaps) return;
    if (FILE* out = std::fopen(path, "w")) {
        for (long long t : *swaps) std::fprintf(out, "%lld\n", t);
        std::fclose(out);
    }
}

}  // namespace

extern "C" void SDL_GL_SwapBuffers() {
    if (realSwap) realSwap();
    if (swaps && swaps->size() < swaps->capacity()) swaps->push_back(nowNs());
}
