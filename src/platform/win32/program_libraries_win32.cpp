#include <windows.h>
// After windows.h, which it needs.
#include <delayimp.h>

#include <cstdio>
#include <string>

#include "platform/program_libraries.h"
#include "program_dll_functions.h"  // made by the build from the DLLs' export lists
#include "program_dlls.h"           // made by the build from its list of the DLLs

namespace platform {

namespace {

// Each before the ones that import it, so that every import names a library
// already loaded from the same folder.
const char* const libraries[] = {AMBER_PROGRAM_DLLS};

LibraryFailureReport failureReport = LibraryFailureReport::printedLine;

std::wstring wideText(const std::string& text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

// A function of kernel32 that older Windows versions lack, or null.
template <typename Function>
Function kernelFunction(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

// Libraries loaded by name come from the system's folders and `folder` only;
// never from the current folder or PATH. The folder is added before the
// default is narrowed, so that a narrowed search always includes it. Windows
// 7 without KB2533623 lacks the calls: there the current folder at least is
// taken out of the search. True when the narrowed search is in place.
bool narrowLibrarySearch(const std::string& folder) {
    using SetDefault = BOOL(WINAPI*)(DWORD);
    using AddDirectory = void*(WINAPI*)(PCWSTR);
    using RemoveDirectory = BOOL(WINAPI*)(void*);
    const auto setDefault = kernelFunction<SetDefault>("SetDefaultDllDirectories");
    const auto addDirectory = kernelFunction<AddDirectory>("AddDllDirectory");
    const auto removeDirectory = kernelFunction<RemoveDirectory>("RemoveDllDirectory");
    std::wstring wide = wideText(folder);
    while (wide.size() > 3 && wide.back() == L'\\') wide.pop_back();  // "C:\" keeps its own
    void* added = setDefault && addDirectory && removeDirectory && !wide.empty() ? addDirectory(wide.c_str()) : nullptr;
    if (added && setDefault(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS)) return true;
    if (added) removeDirectory(added);
    SetDllDirectoryW(L"");
    return false;
}

std::string importName(const DelayLoadInfo& info) {
    if (info.dlp.fImportByName) return info.dlp.szProcName ? info.dlp.szProcName : "?";
    std::string ordinal = "#";
    ordinal += std::to_string(info.dlp.dwOrdinal);
    return ordinal;
}

// Called by the delay-load helper when a library or one of its functions
// cannot be found on the first call: said as the other failures are, then the
// program ends, instead of the helper's exception.
FARPROC WINAPI delayLoadFailed(unsigned notification, PDelayLoadInfo info) {
    const std::string library = info && info->szDll ? info->szDll : "a library";
    if (notification == dliFailLoadLib) {
        reportLibraryFailure("Amber Bell cannot load " + library + ": install Amber Bell again.");
    } else if (notification == dliFailGetProc) {
        reportLibraryFailure("Amber Bell cannot use " + library + ", which has no function " + importName(*info) +
                             ": install Amber Bell again.");
    } else {
        return nullptr;
    }
    ExitProcess(1);
}

// Every function the libraries export as built, looked up once they are
// loaded: a wrong library (another build, another DLL under the name) is
// named before any window opens, not on the first call into it, and ends the
// program as the failure hook does. GNU ld fills no delay-import directory,
// so the delay-load helper's own way to load every import finds nothing.
void checkLibraryFunctions() {
    // programDllFunctions: each DLL's name, every function it exports, a null;
    // then a null.
    for (const char* const* entry = programDllFunctions; *entry; ++entry) {
        const char* library = *entry;
        const HMODULE module = GetModuleHandleA(library);
        for (++entry; *entry; ++entry) {
            if (module && GetProcAddress(module, *entry)) continue;
            reportLibraryFailure(std::string("Amber Bell cannot use ") + library + ", which has no function " + *entry +
                                 ": install Amber Bell again.");
            ExitProcess(1);
        }
    }
}

}  // namespace

void setLibraryFailureReport(LibraryFailureReport report) {
    failureReport = report;
}

void reportLibraryFailure(const std::string& text) {
    switch (failureReport) {
    case LibraryFailureReport::messageBox:
        MessageBoxW(nullptr, wideText(text).c_str(), L"Amber Bell", MB_OK | MB_ICONERROR);
        break;
    case LibraryFailureReport::printedLine:
        std::fprintf(stderr, "%s\n", text.c_str());
        std::fflush(stderr);
        break;
    case LibraryFailureReport::silent:
        break;
    }
}

std::string loadProgramLibraries(const std::string& installFolder) {
    __pfnDliFailureHook2 = delayLoadFailed;
    // Each library's own imports are looked for in its folder first. Once the
    // default search is narrowed, only the search flags may be passed.
    const DWORD flags = narrowLibrarySearch(installFolder)
                            ? LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS
                            : LOAD_WITH_ALTERED_SEARCH_PATH;
    for (const char* name : libraries) {
        // A library loaded by its full path is the one a later load by its
        // bare name gets.
        const std::string path = installFolder + name;
        if (!LoadLibraryExW(wideText(path).c_str(), nullptr, flags)) return path;
    }
    checkLibraryFunctions();
    return {};
}

}  // namespace platform
