// resource-check.exe FILE: prints what Windows reads from a program's
// resources, one "name=value" a line: string 1 (the Screen Saver list's
// name), the sizes of icon group 1 with each image present, whether the
// shell extracts an icon, and the version strings of the file's Properties.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdint>
#include <initializer_list>

namespace {

void printIconSizes(HMODULE module) {
    HRSRC group = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(14));  // RT_GROUP_ICON
    const auto* bytes = group ? static_cast<const uint8_t*>(LockResource(LoadResource(module, group))) : nullptr;
    const DWORD size = group ? SizeofResource(module, group) : 0;
    std::printf("icons=");
    if (bytes && size >= 6) {
        const unsigned count = bytes[4] | bytes[5] << 8;
        for (unsigned i = 0; i < count && 6 + 14 * (i + 1) <= size; ++i) {
            const uint8_t* entry = bytes + 6 + 14 * i;
            const unsigned id = entry[12] | entry[13] << 8;
            const bool present = FindResourceA(module, MAKEINTRESOURCEA(id), MAKEINTRESOURCEA(3)) != nullptr;
            std::printf("%s%u%s", i ? " " : "", entry[0] ? entry[0] : 256u, present ? "" : "(missing)");
        }
    }
    std::printf("\n");
}

void printVersionStrings(const char* file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file, &ignored);
    if (size == 0) return;
    static char info[65536];
    if (size > sizeof info || !GetFileVersionInfoA(file, 0, size, info)) return;
    for (const char* name : {"ProductName", "CompanyName", "FileDescription", "FileVersion"}) {
        char query[128];
        std::snprintf(query, sizeof query, "\\StringFileInfo\\040904B0\\%s", name);
        char* value = nullptr;
        UINT length = 0;
        if (VerQueryValueA(info, query, reinterpret_cast<void**>(&value), &length) && value) {
            std::printf("%s=%s\n", name, value);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    HMODULE module = LoadLibraryExA(argv[1], nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return 1;
    char name[256] = {};
    LoadStringA(module, 1, name, sizeof name);
    std::printf("name=%s\n", name);
    printIconSizes(module);
    FreeLibrary(module);
    HICON large = nullptr;
    std::printf("extracted=%u\n", ExtractIconExA(argv[1], 0, &large, nullptr, 1));
    if (large) DestroyIcon(large);
    printVersionStrings(argv[1]);
    return 0;
}
