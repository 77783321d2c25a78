#include "package/package_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "package/package_writer.h"
#include "common/temp_dir.h"

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::string asText(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

std::string textOf(const EntryBytes& entry) {
    return std::string(reinterpret_cast<const char*>(entry.data), static_cast<size_t>(entry.size));
}

TEST(PackageFile, FileWithCountZeroHasNoEntries) {
    TempDir dir;
    const std::string path = dir.write("empty.pak", std::string(4, '\0'));
    PackageFile package(path);
    EXPECT_TRUE(package.intact());
    EXPECT_EQ(package.entryCount(), 0u);
    const EntryBytes none = package.entryBytes("");
    EXPECT_EQ(none.data, nullptr);
    EXPECT_EQ(none.size, 0);
    EXPECT_EQ(package.entryBytes("fon").data, nullptr);
}

TEST(PackageFile, LookupsAreExactAndTheFirstDuplicateWins) {
    TempDir dir;
    const std::string path = dir.write(
        "main.pak", asText(writePackage({{"fon", bytesOf("first")},
                                          {"serdce", bytesOf("heart")},
                                          {"fon", bytesOf("second")},
                                          {"", bytesOf("nameless")},
                                          {"zero", {}}})));
    PackageFile package(path);
    ASSERT_EQ(package.entryCount(), 5u);
    EXPECT_EQ(textOf(package.entryBytes("fon")), "first");
    EXPECT_EQ(textOf(package.entryBytes("serdce")), "heart");
    EXPECT_EQ(package.entryBytes("Fon").data, nullptr);
    EXPECT_EQ(package.entryBytes("SERDCE").data, nullptr);
    EXPECT_EQ(package.entryBytes("fo").data, nullptr);
    EXPECT_EQ(package.entryBytes("fonn").data, nullptr);
    EXPECT_EQ(textOf(package.entryBytes("")), "nameless");
    const EntryBytes zero = package.entryBytes("zero");
    EXPECT_NE(zero.data, nullptr);
    EXPECT_EQ(zero.size, 0);
}

TEST(PackageFile, EntriesLiveInBlocksOfTheirOwn) {
    TempDir dir;
    const std::string path =
        dir.write("a.pak", asText(writePackage({{"a", bytesOf("1234")}, {"b", bytesOf("5678")}})));
    PackageFile package(path);
    const EntryBytes a = package.entryBytes("a");
    const EntryBytes b = package.entryBytes("b");
    // Not the file image: each entry is a separate allocation.
    EXPECT_NE(a.data + a.size, b.data);
    EXPECT_EQ(textOf(a), "1234");
    EXPECT_EQ(textOf(b), "5678");
}

TEST(PackageFile, DamagedFileIsRefusedWithOneLineNamingFileAndEntry) {
    TempDir dir;
    auto bytes = writePackage({{"fon", bytesOf("image")}, {"serdce", bytesOf("0123456789")}});
    bytes.resize(bytes.size() - 4);
    const std::string path = dir.write("main.pak", asText(bytes));
    testing::internal::CaptureStderr();
    PackageFile package(path);
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_FALSE(package.intact());
    EXPECT_EQ(package.entryCount(), 0u);
    EXPECT_EQ(package.entryBytes("fon").data, nullptr);
    EXPECT_NE(message.find(path), std::string::npos) << message;
    EXPECT_NE(message.find("entry 1 \"serdce\""), std::string::npos) << message;
    ASSERT_FALSE(message.empty());
    EXPECT_EQ(message.find('\n'), message.size() - 1) << message;
}

TEST(PackageFile, EveryTruncatedFileIsRefused) {
    TempDir dir;
    const auto bytes = writePackage({{"serdce", bytesOf("0123456789")}, {"", {}}, {"x", bytesOf("y")}});
    for (size_t length = 0; length < bytes.size(); ++length) {
        const std::string path =
            dir.write("cut.pak", std::string(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length)));
        testing::internal::CaptureStderr();
        PackageFile package(path);
        const std::string message = testing::internal::GetCapturedStderr();
        EXPECT_FALSE(package.intact()) << length;
        EXPECT_EQ(package.entryCount(), 0u) << length;
        EXPECT_NE(message.find("cut.pak"), std::string::npos) << message;
    }
}

TEST(PackageFileDeathTest, MissingFileEndsTheProgramWithStatusOne) {
    TempDir dir;
    const std::string path = dir.path() + "/missing.pak";
    EXPECT_EXIT({ PackageFile package(path); }, testing::ExitedWithCode(1), "^$");
}

TEST(PackageFileDeathTest, DirectoryEndsTheProgramWithStatusOne) {
    TempDir dir;
    EXPECT_EXIT({ PackageFile package(dir.path()); }, testing::ExitedWithCode(1), "^$");
}

}  // namespace
