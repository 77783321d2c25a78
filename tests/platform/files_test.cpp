#include "platform/files.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "common/temp_dir.h"

namespace {

std::string contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

// Whoever may replace it later, a new file is made once and written in binary.
TEST(PlatformFiles, NewFileIsCreatedOnceAndNeverOverAnExistingOne) {
    TempDir dir;
    for (const auto access : {platform::FileAccess::folderDefault, platform::FileAccess::everyUserMayReplace}) {
        const std::string path = dir.path() + "/new" + std::to_string(static_cast<int>(access));
        std::FILE* file = platform::createNewFile(path, access);
        ASSERT_NE(file, nullptr);
        EXPECT_EQ(std::fwrite("a\nb", 1, 3, file), 3u);  // binary: no line-end translation
        EXPECT_TRUE(platform::flushToDisk(file));
        EXPECT_EQ(std::fclose(file), 0);
        EXPECT_EQ(contents(path), "a\nb");

        EXPECT_EQ(platform::createNewFile(path, access), nullptr);
        EXPECT_EQ(errno, EEXIST);
        EXPECT_EQ(contents(path), "a\nb");
    }
}

TEST(PlatformFiles, ReplaceTakesTheOldFilesPlaceOrLeavesBothAsTheyWere) {
    TempDir dir;
    const std::string from = dir.write("from", "new");
    const std::string to = dir.write("to", "old");
    std::string error;
    ASSERT_TRUE(platform::replaceFile(from, to, error)) << error;
    EXPECT_EQ(contents(to), "new");
    EXPECT_FALSE(std::ifstream(from).is_open());

    // Into a folder that does not exist: a reason, and the source untouched.
    const std::string source = dir.write("source", "kept");
    EXPECT_FALSE(platform::replaceFile(source, dir.path() + "/missing/to", error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(contents(source), "kept");
}
