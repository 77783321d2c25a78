#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "platform/paths.h"

namespace {

// Sets or unsets an environment variable for the life of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::optional<std::string>& value) : name(name) {
        if (const char* old = std::getenv(name)) saved = old;
        if (value) {
            setenv(name, value->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnv() {
        if (saved) {
            setenv(name, saved->c_str(), 1);
        } else {
            unsetenv(name);
        }
    }

private:
    const char* name;
    std::optional<std::string> saved;
};

}  // namespace

TEST(SkinFolders, TheUsersFolderComesFirstThenEachDataFolder) {
    using V = std::optional<std::string>;
    const struct {
        V home, dataHome, dataDirs;
        std::vector<std::string> folders;
    } cases[] = {
        {"/home/a", std::nullopt, std::nullopt,
         {"/home/a/.local/share/amber-bell/skin/", "/usr/local/share/amber-bell/skin/",
          "/usr/share/amber-bell/skin/"}},
        {"/home/a", "/data", "/opt/share:relative::/srv", {"/data/amber-bell/skin/", "/opt/share/amber-bell/skin/",
                                                            "/srv/amber-bell/skin/"}},
        {std::nullopt, "", "", {"/usr/local/share/amber-bell/skin/", "/usr/share/amber-bell/skin/"}},
    };
    for (const auto& c : cases) {
        ScopedEnv home("HOME", c.home), dataHome("XDG_DATA_HOME", c.dataHome), dataDirs("XDG_DATA_DIRS", c.dataDirs);
        EXPECT_EQ(platform::skinFolders(), c.folders) << c.home.value_or("(no HOME)");
    }
}
