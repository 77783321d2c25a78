#include "install_folder_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Names = std::vector<std::wstring>;

TEST(InstallFolderRule, TypedFoldersThatCanBeResolved) {
    std::wstring root;
    Names names;
    ASSERT_TRUE(install_folder::splitTyped(L"d:/Program Files\\Saver\\", root, names));
    EXPECT_EQ(root, L"d:\\");
    EXPECT_EQ(names, (Names{L"Program Files", L"Saver"}));
    for (const wchar_t* refused : {L"C:\\Program Files\\..\\Savers", L"C:\\Program Files\\\\Saver",
                                   L"C:\\Program Files\\Saver.", L"C:\\Program Files\\a:b", L"\\\\server\\share\\Saver",
                                   L"Program Files\\Saver", L"C:Saver"}) {
        EXPECT_FALSE(install_folder::splitTyped(refused, root, names)) << testing::PrintToString(std::wstring(refused));
    }
    EXPECT_EQ(install_folder::drivePath(L"\\\\?\\C:\\Program Files\\x\\"), L"C:\\Program Files\\x");
    EXPECT_EQ(install_folder::drivePath(L"\\\\?\\UNC\\server\\share\\Saver"), L"");
}

// What the file system reports decides, not the text typed: a short name or a
// junction resolves to where it leads today.
TEST(InstallFolderRule, OnlyInsideProgramFilesAsResolved) {
    const Names programs = {L"C:\\Program Files", L"C:\\Program Files (x86)"};
    struct Case {
        std::wstring existing;  // the final path of what exists
        Names missing;          // the names below it still to be made
        std::wstring chosen;
    };
    const Case cases[] = {
        {L"C:\\Program Files (x86)", {L"lumivera", L"Amber Bell"}, L"C:\\Program Files (x86)\\lumivera\\Amber Bell"},
        {L"c:\\PROGRAM FILES\\Savers", {}, L"c:\\PROGRAM FILES\\Savers"},  // an earlier install, any case
        {L"C:\\Program Files", {}, L""},                                 // Program Files itself
        {L"C:\\Program Files Extra", {L"Saver"}, L""},                   // a look-alike beside it
        {L"C:\\", {L"Savers", L"Amber Bell"}, L""},                      // a fresh parent outside
        {L"C:\\Users\\Public\\Saver", {}, L""},  // a user's folder, or where their junction leads
        {L"", {L"Saver"}, L""},                  // nothing could be resolved
    };
    for (const Case& c : cases) {
        EXPECT_EQ(install_folder::chosenFolder(c.existing, c.missing, programs), c.chosen)
            << testing::PrintToString(c.existing);
    }
}

}  // namespace
