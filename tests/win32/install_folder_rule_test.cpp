#include "install_folder_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using install_folder::chosenFolder;
using install_folder::drivePath;
using install_folder::splitTyped;

TEST(InstallFolderRule, TypedFoldersThatCanBeResolved) {
    struct Case {
        std::wstring typed;
        bool taken;
        std::wstring root;
        std::vector<std::wstring> names;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\lumivera\\Amber Bell", true, L"C:\\", {L"Program Files", L"lumivera", L"Amber Bell"}},
        {L"d:/Apps/Saver\\", true, L"d:\\", {L"Apps", L"Saver"}},
        {L"C:\\", true, L"C:\\", {}},
        {L"C:\\Program Files\\..\\Savers", false, {}, {}},
        {L"C:\\Program Files\\\\Saver", false, {}, {}},
        {L"C:\\Program Files\\Saver.", false, {}, {}},
        {L"C:\\Program Files\\a:b", false, {}, {}},
        {L"\\\\server\\share\\Saver", false, {}, {}},
        {L"Program Files\\Saver", false, {}, {}},
        {L"C:Saver", false, {}, {}},
    };
    for (const Case& c : cases) {
        std::wstring root;
        std::vector<std::wstring> names;
        EXPECT_EQ(splitTyped(c.typed, root, names), c.taken) << testing::PrintToString(c.typed);
        if (!c.taken) continue;
        EXPECT_EQ(root, c.root);
        EXPECT_EQ(names, c.names);
    }
}

TEST(InstallFolderRule, FinalPathsAsDrivePaths) {
    EXPECT_EQ(drivePath(L"\\\\?\\C:\\Program Files (x86)\\lumivera"), L"C:\\Program Files (x86)\\lumivera");
    EXPECT_EQ(drivePath(L"C:\\Program Files\\"), L"C:\\Program Files");
    EXPECT_EQ(drivePath(L"\\\\?\\UNC\\server\\share\\Saver"), L"");
    EXPECT_EQ(drivePath(L"\\\\?\\Volume{0b7e0f1c-0000-0000-0000-100000000000}\\Saver"), L"");
}

// What the file system reports decides, not the text typed: a short name or a
// junction resolves to where it leads today.
TEST(InstallFolderRule, OnlyInsideProgramFilesAsResolved) {
    const std::vector<std::wstring> programs = {L"C:\\Program Files", L"C:\\Program Files (x86)"};
    struct Case {
        std::wstring existing;
        std::vector<std::wstring> missing;
        std::wstring chosen;
    };
    const Case cases[] = {
        // The default folder, made fresh below Program Files (x86).
        {L"C:\\Program Files (x86)", {L"lumivera", L"Amber Bell"}, L"C:\\Program Files (x86)\\lumivera\\Amber Bell"},
        // An earlier install, typed as C:\PROGRA~2\LUMIVE~1\AMBERB~1.
        {L"C:\\Program Files (x86)\\lumivera\\Amber Bell", {}, L"C:\\Program Files (x86)\\lumivera\\Amber Bell"},
        // Case does not matter to Windows.
        {L"c:\\PROGRAM FILES\\Savers", {}, L"c:\\PROGRAM FILES\\Savers"},
        // Program Files itself, and a folder beside it that starts alike.
        {L"C:\\Program Files", {}, L""},
        {L"C:\\Program Files Extra", {L"Saver"}, L""},
        // A fresh parent outside: C:\Savers would inherit Users' right to change it.
        {L"C:\\", {L"Savers", L"Amber Bell"}, L""},
        // A user's folder, or a junction of theirs that leads out of Program Files.
        {L"C:\\Users\\Public\\Saver", {}, L""},
        // The typed path's existing part could not be resolved.
        {L"", {L"Saver"}, L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chosenFolder(c.existing, c.missing, programs), c.chosen) << testing::PrintToString(c.existing);
    }
    EXPECT_EQ(chosenFolder(L"C:\\Program Files\\Saver", {}, {}), L"");
}

}  // namespace
