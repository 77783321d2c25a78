#include "install_folder_rule.h"

#include <cwctype>
#include <string_view>

namespace install_folder {

namespace {

bool separator(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool driveLetter(wchar_t c) {
    return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

bool nameWindowsTakes(const std::wstring& name) {
    if (name.empty() || name == L"." || name == L"..") return false;
    if (name.back() == L'.' || name.back() == L' ') return false;
    for (const wchar_t c : name) {
        if (c < 32 || std::wstring_view(L"<>:\"|?*").find(c) != std::wstring_view::npos) return false;
    }
    return true;
}

bool sameName(wchar_t a, wchar_t b) {
    return a == b || std::towupper(a) == std::towupper(b);
}

// `path` is `folder` or lies inside it.
bool within(const std::wstring& path, const std::wstring& folder) {
    if (folder.empty() || path.size() < folder.size()) return false;
    for (size_t i = 0; i < folder.size(); ++i) {
        if (!sameName(path[i], folder[i])) return false;
    }
    return path.size() == folder.size() || path[folder.size()] == L'\\';
}

}  // namespace

bool splitTyped(const std::wstring& typed, std::wstring& root, std::vector<std::wstring>& names) {
    names.clear();
    if (typed.size() < 3 || !driveLetter(typed[0]) || typed[1] != L':' || !separator(typed[2])) {
        return false;
    }
    root = typed.substr(0, 2) + L"\\";
    std::wstring name;
    for (size_t i = 3; i <= typed.size(); ++i) {
        if (i < typed.size() && !separator(typed[i])) {
            name += typed[i];
            continue;
        }
        // One trailing separator ends the path; any other empty name is an error.
        if (name.empty() && i == typed.size()) break;
        if (!nameWindowsTakes(name)) return false;
        names.push_back(name);
        name.clear();
    }
    return true;
}

std::wstring drivePath(const std::wstring& finalPath) {
    static const std::wstring longPrefix = L"\\\\?\\";
    std::wstring path = finalPath.compare(0, longPrefix.size(), longPrefix) == 0 ? finalPath.substr(longPrefix.size())
                                                                              : finalPath;
    if (path.size() < 3 || !driveLetter(path[0]) || path[1] != L':' || path[2] != L'\\') {
        return {};
    }
    while (path.size() > 3 && path.back() == L'\\') path.pop_back();
    return path;
}

std::wstring chosenFolder(const std::wstring& existing, const std::vector<std::wstring>& missing,
                          const std::vector<std::wstring>& programFolders) {
    if (existing.empty()) return {};
    std::wstring folder = existing;
    for (const std::wstring& name : missing) {
        if (folder.back() != L'\\') folder += L'\\';
        folder += name;
    }
    for (const std::wstring& programs : programFolders) {
        // Inside it: Program Files itself is no install folder.
        if (folder.size() > programs.size() && within(folder, programs)) return folder;
    }
    return {};
}

}  // namespace install_folder
