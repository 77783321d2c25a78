#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "support/environment_value.h"

namespace {

}  // namespace

TEST(SkinFolders, TheUsersFolderComesFirstThenEachDataFolder) {
    const char* names[] = {"HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"};
    const Value saved[] = {get(names[0]), get(names[1]), get(names[2])};
    const struct {
        Value values[3];
        std::vector<std::string> folders;
    } cases[] = {
        {{"/home/a", std::nullopt, std::nullopt},
         {"/home/a/.local/share/amber-bell/skin/", "/usr/local/share/amber-bell/skin/",
          "/usr/share/amber-bell/skin/"}},
        {{"/home/a", "/data", "/opt/share:relative::/srv"},
         {"/data/amber-bell/skin/", "/opt/share/amber-bell/skin/", "/srv/amber-bell/skin/"}},
        {{std::nullopt, "", ""}, {"/usr/local/share/amber-bell/skin/", "/usr/share/amber-bell/skin/"}},
    };
    for (const auto& c : cases) {
        for (int i = 0; i < 3; ++i) put(names[i], c.values[i]);
        EXPECT_EQ(platform::skinFolders(), c.folders) << c.values[0].value_or("(no HOME)");
    }
    for (int i = 0; i < 3; ++i) put(names[i], saved[i]);
}
