// The descriptor of files every user may replace, read back entry by entry:
// Wine keeps no file permissions, so what Windows is handed is checked here.
#include "platform/win32/every_user_file_security.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

TEST(EveryUserFileSecurity, SystemAndAdministratorsOwnItAndUsersMayReplaceIt) {
    platform::EveryUserFileSecurity security;
    SECURITY_ATTRIBUTES* attributes = security.attributes();
    ASSERT_NE(attributes, nullptr);
    PSECURITY_DESCRIPTOR descriptor = attributes->lpSecurityDescriptor;
    SECURITY_DESCRIPTOR_CONTROL control = 0;
    DWORD revision = 0;
    ASSERT_TRUE(GetSecurityDescriptorControl(descriptor, &control, &revision));
    EXPECT_TRUE(control & SE_DACL_PROTECTED) << "the folder's own entries must not be added";

    BOOL present = FALSE, defaulted = FALSE;
    PACL list = nullptr;
    ASSERT_TRUE(GetSecurityDescriptorDacl(descriptor, &present, &list, &defaulted) && present && list);
    std::vector<std::pair<std::string, ACCESS_MASK>> entries;
    for (DWORD i = 0; i < list->AceCount; ++i) {
        void* ace = nullptr;
        ASSERT_TRUE(GetAce(list, i, &ace));
        const auto* allowed = static_cast<ACCESS_ALLOWED_ACE*>(ace);
        EXPECT_EQ(allowed->Header.AceType, ACCESS_ALLOWED_ACE_TYPE);
        EXPECT_EQ(allowed->Header.AceFlags, 0) << "entries are not inherited by anything";
        PSID sid = const_cast<DWORD*>(&allowed->SidStart);
        std::string who = "someone else";
        for (const auto& [type, name] : {std::pair{WinLocalSystemSid, "SYSTEM"},
                                         std::pair{WinBuiltinAdministratorsSid, "Administrators"},
                                         std::pair{WinBuiltinUsersSid, "Users"}}) {
            if (IsWellKnownSid(sid, type)) who = name;
        }
        entries.emplace_back(who, allowed->Mask);
    }
    // Users may delete the file, and so replace it, but not change who may.
    const ACCESS_MASK modify = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
    EXPECT_EQ(modify & (WRITE_DAC | WRITE_OWNER | FILE_DELETE_CHILD), 0u);
    const std::vector<std::pair<std::string, ACCESS_MASK>> expected = {
        {"SYSTEM", FILE_ALL_ACCESS}, {"Administrators", FILE_ALL_ACCESS}, {"Users", modify}};
    EXPECT_EQ(entries, expected);
}
