// resource-check.exe FILE: prints what Windows reads from a program's
// resources, one "name=value" a line: string 1 (the Screen Saver list's
// name), the sizes of icon group 1 with each image present, whether the
// shell extracts an icon, the version strings of the file's Properties, and
// what its manifest asks of Windows (execution level, DPI awareness, the
// supported systems, the common controls' version).
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cstdint>
#include <initializer_list>
#include <string>

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

// The text between `<tag ...>` and the next `<`, or "" when there is no such tag.
std::string elementText(const std::string& xml, const std::string& tag) {
    const size_t start = xml.find("<" + tag);
    const size_t open = start == std::string::npos ? start : xml.find('>', start);
    const size_t close = open == std::string::npos ? open : xml.find('<', open);
    return close == std::string::npos ? "" : xml.substr(open + 1, close - open - 1);
}

// The value of `name="..."` in the first element that holds `marker`.
std::string attributeNear(const std::string& xml, const std::string& marker, const std::string& name) {
    const size_t at = xml.find(marker);
    if (at == std::string::npos) return "";
    const size_t element = xml.rfind('<', at);
    const size_t value = xml.find(name + "=\"", element);
    const size_t end = value == std::string::npos ? value : xml.find('"', value + name.size() + 2);
    return end == std::string::npos ? "" : xml.substr(value + name.size() + 2, end - value - name.size() - 2);
}

void printManifest(HMODULE module) {
    HRSRC found = FindResourceA(module, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    const char* bytes = found ? static_cast<const char*>(LockResource(LoadResource(module, found))) : nullptr;
    const std::string xml = bytes ? std::string(bytes, SizeofResource(module, found)) : "";
    unsigned systems = 0;
    for (size_t at = xml.find("<supportedOS"); at != std::string::npos; at = xml.find("<supportedOS", at + 1)) {
        ++systems;
    }
    std::printf("manifest-level=%s\n", attributeNear(xml, "requestedExecutionLevel", "level").c_str());
    std::printf("manifest-dpiAware=%s\n", elementText(xml, "dpiAware").c_str());
    std::printf("manifest-dpiAwareness=%s\n", elementText(xml, "dpiAwareness").c_str());
    std::printf("manifest-supportedOS=%u\n", systems);
    std::printf("manifest-common-controls=%s\n",
                attributeNear(xml, "Microsoft.Windows.Common-Controls", "version").c_str());
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
    printManifest(module);
    FreeLibrary(module);
    HICON large = nullptr;
    std::printf("extracted=%u\n", ExtractIconExA(argv[1], 0, &large, nullptr, 1));
    if (large) DestroyIcon(large);
    printVersionStrings(argv[1]);
    return 0;
}
