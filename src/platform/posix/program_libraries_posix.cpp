#include "platform/program_libraries.h"

namespace platform {

// The dynamic linker has loaded every library before main.
std::string loadProgramLibraries(const std::string&) {
    return {};
}

}  // namespace platform
