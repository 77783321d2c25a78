// The descriptor of files every user may replace, read back entry by entry:
// Wine keeps no file permissions, so what Windows is handed is checked here.
#include "platform/win32/every_user_file_security.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/files.h"
#include "platform/replace_whole_file.h"
#include "common/temp_dir.h"

namespace {

// The entries of a descriptor's access list, in order; fails the test when
// an entry is not a plain "allow".
std::vector<std::pair<std::string, ACCESS_MASK>> allowedEntries(PSECURITY_DESCRIPTOR descriptor) {
    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    EXPECT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted));
    EXPECT_TRUE(present && list);
    std::vector<std::pair<std::string, ACCESS_MASK>> entries;
    for (DWORD i = 0; list && i < list->AceCount; ++i) {
        void* ace = nullptr;
        EXPECT_TRUE(GetAce(list, i, &ace));
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        EXPECT_EQ(allowed->Header.AceFlags, 0) << "entries are not inherited by anything";
        PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        std::string name;
        for (const auto& [type, label] : {std::pair{WinLocalSystemSid, "SYSTEM"},
                                          std::pair{WinBuiltinAdministratorsSid, "Administrators"},
                                          std::pair{WinBuiltinUsersSid, "Users"}}) {
            if (IsWellKnownSid(sid, type)) name = label;
        }
        entries.emplace_back(name.empty() ? "someone else" : name, allowed->Mask);
    }
    return entries;
}

}  // namespace

TEST(EveryUserFileSecurity, SystemAndAdministratorsOwnItAndUsersMayReplaceIt) {
    platform::EveryUserFileSecurity security;
    SECURITY_ATTRIBUTES* attributes = security.attributes();
    ASSERT_NE(attributes, nullptr);
    EXPECT_EQ(attributes->nLength, sizeof *attributes);
    EXPECT_FALSE(attributes->bInheritHandle);

    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(GetSecurityDescriptorControl(attributes->lpSecurityDescriptor, &control, &revision));
    EXPECT_TRUE(control & SE_DACL_PROTECTED) << "the folder's own entries must not be added";

    const ACCESS_MASK modify = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
    const std::vector<std::pair<std::string, ACCESS_MASK>> expected = {
        {"SYSTEM", FILE_ALL_ACCESS}, {"Administrators", FILE_ALL_ACCESS}, {"Users", modify}};
    EXPECT_EQ(allowedEntries(attributes->lpSecurityDescriptor), expected);
    // Users may delete the file (and so replace it), but not change who may.
    EXPECT_EQ(modify & (WRITE_DAC | WRITE_OWNER | FILE_DELETE_CHILD), 0u);
}

// Made with the descriptor, a file is still made once, written whole and
// replaced in one step; only the settings ask for it.
TEST(EveryUserFileSecurity, FilesMadeWithItAreWrittenAndReplacedAsUsual) {
    TempDir dir;
    const std::string path = dir.path() + "\\shared";
    std::FILE* file = platform::createNewFile(path, platform::FileAccess::everyUserMayReplace);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(std::fclose(file), 0);
    EXPECT_EQ(platform::createNewFile(path, platform::FileAccess::everyUserMayReplace), nullptr);
    EXPECT_EQ(errno, EEXIST);

    std::string error;
    ASSERT_TRUE(platform::replaceWholeFile(path, {'n', 'e', 'w'}, error,
                                           platform::FileAccess::everyUserMayReplace))
        << error;
    std::FILE* in = std::fopen(path.c_str(), "rb");
    ASSERT_NE(in, nullptr);
    char bytes[8] = {};
    EXPECT_EQ(std::fread(bytes, 1, sizeof bytes, in), 3u);
    std::fclose(in);
    EXPECT_EQ(std::string(bytes), "new");
}
