#include "platform/program_libraries.h"

#include <cstdio>

namespace platform {

namespace {

LibraryFailureReport failureReport = LibraryFailureReport::printedLine;

}  // namespace

void setLibraryFailureReport(LibraryFailureReport report) {
    failureReport = report;
}

void reportLibraryFailure(const std::string& text) {
    if (failureReport != LibraryFailureReport::silent) std::fprintf(stderr, "%s\n", text.c_str());
}

// The dynamic linker has loaded every library before main.
std::string loadProgramLibraries(const std::string&) {
    return {};
}

}  // namespace platform
