#include "package/package_reader.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "package/package_writer.h"

namespace {

std::vector<uint8_t> bytesOf(const std::string& text) {
    return std::vector<uint8_t>(text.begin(), text.end());
}

void putI32(std::vector<uint8_t>& out, int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

// Parses a copy of `bytes` held in a heap block of exactly their size, so the
// sanitizer build catches any read past the end.
struct Parsed {
    bool ok = false;
    std::vector<PackageEntryView> entries;
    std::string error;
    std::unique_ptr<uint8_t[]> block;
};

std::unique_ptr<Parsed> parse(const std::vector<uint8_t>& bytes, size_t length) {
    auto parsed = std::make_unique<Parsed>();
    parsed->block.reset(new uint8_t[length]);
    std::copy(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length), parsed->block.get());
    parsed->ok = readPackageEntries(parsed->block.get(), length, parsed->entries, parsed->error);
    return parsed;
}

std::unique_ptr<Parsed> parse(const std::vector<uint8_t>& bytes) {
    return parse(bytes, bytes.size());
}

std::string textOf(const PackageEntryView& entry) {
    return std::string(reinterpret_cast<const char*>(entry.data), static_cast<size_t>(entry.size));
}

TEST(PackageReader, CountOfZeroOrLessIsAnEmptyPackage) {
    for (int32_t count : {0, -1, -2147483647 - 1}) {
        std::vector<uint8_t> bytes;
        putI32(bytes, count);
        auto parsed = parse(bytes);
        EXPECT_TRUE(parsed->ok) << count;
        EXPECT_TRUE(parsed->entries.empty());
    }
}

TEST(PackageReader, EntriesComeBackInFileOrderWithTheirBytes) {
    const auto bytes = writePackage({{"serdce", bytesOf("model bytes")},
                                     {"fon", bytesOf("image")},
                                     {"Fon", bytesOf("other image")}});
    auto parsed = parse(bytes);
    ASSERT_TRUE(parsed->ok) << parsed->error;
    ASSERT_EQ(parsed->entries.size(), 3u);
    EXPECT_EQ(parsed->entries[0].name, "serdce");
    EXPECT_EQ(textOf(parsed->entries[0]), "model bytes");
    EXPECT_EQ(parsed->entries[1].name, "fon");
    EXPECT_EQ(parsed->entries[2].name, "Fon");
    EXPECT_EQ(textOf(parsed->entries[2]), "other image");
    // Entry data points into the given bytes, right after the size field.
    EXPECT_EQ(parsed->entries[0].data, parsed->block.get() + 4 + 1 + 6 + 4);
}

TEST(PackageReader, EmptyNameAndEmptyDataAreEntries) {
    const auto bytes = writePackage({{"", bytesOf("x")}, {"empty", {}}});
    auto parsed = parse(bytes);
    ASSERT_TRUE(parsed->ok) << parsed->error;
    ASSERT_EQ(parsed->entries.size(), 2u);
    EXPECT_EQ(parsed->entries[0].name, "");
    EXPECT_EQ(parsed->entries[1].size, 0);
    EXPECT_NE(parsed->entries[1].data, nullptr);
}

TEST(PackageReader, NameEndsAtItsFirstZeroByte) {
    std::vector<uint8_t> bytes;
    putI32(bytes, 1);
    bytes.push_back(5);
    bytes.insert(bytes.end(), {'a', 'b', 0, 'c', 'd'});
    putI32(bytes, 1);
    bytes.push_back('!');
    auto parsed = parse(bytes);
    ASSERT_TRUE(parsed->ok) << parsed->error;
    EXPECT_EQ(parsed->entries[0].name, "ab");
    EXPECT_EQ(textOf(parsed->entries[0]), "!");
}

TEST(PackageReader, BytesAfterTheLastEntryAreIgnored) {
    auto bytes = writePackage({{"a", bytesOf("1")}});
    bytes.insert(bytes.end(), {9, 9, 9});
    auto parsed = parse(bytes);
    ASSERT_TRUE(parsed->ok);
    EXPECT_EQ(parsed->entries.size(), 1u);
}

TEST(PackageReader, EveryTruncationIsRefusedWithinTheBytesGiven) {
    const auto bytes = writePackage({{"serdce", bytesOf("0123456789abcdefghij")},
                                     {"", {}},
                                     {"fon", bytesOf("xyz")}});
    ASSERT_TRUE(parse(bytes)->ok);
    for (size_t length = 0; length < bytes.size(); ++length) {
        auto parsed = parse(bytes, length);
        EXPECT_FALSE(parsed->ok) << "cut at " << length;
        EXPECT_TRUE(parsed->entries.empty()) << "cut at " << length;
        EXPECT_FALSE(parsed->error.empty()) << "cut at " << length;
    }
}

TEST(PackageReader, RefusalNamesTheEntry) {
    const auto bytes = writePackage({{"first", bytesOf("ok")}, {"serdce", bytesOf("0123456789")}});
    auto parsed = parse(bytes, bytes.size() - 3);
    ASSERT_FALSE(parsed->ok);
    EXPECT_NE(parsed->error.find("entry 1 \"serdce\""), std::string::npos) << parsed->error;
    EXPECT_NE(parsed->error.find("runs past the end"), std::string::npos) << parsed->error;
}

TEST(PackageReader, NegativeNameLengthIsRefused) {
    std::vector<uint8_t> bytes;
    putI32(bytes, 1);
    bytes.push_back(0x80);  // -128
    bytes.insert(bytes.end(), 200, 'a');
    auto parsed = parse(bytes);
    EXPECT_FALSE(parsed->ok);
    EXPECT_NE(parsed->error.find("negative name length -128"), std::string::npos) << parsed->error;
}

TEST(PackageReader, NegativeOrOversizedDataSizeIsRefused) {
    for (int32_t size : {-1, -2147483647 - 1, 5, 2147483647}) {
        std::vector<uint8_t> bytes;
        putI32(bytes, 1);
        bytes.push_back(1);
        bytes.push_back('a');
        putI32(bytes, size);
        bytes.insert(bytes.end(), {1, 2, 3, 4});  // only 4 bytes of data follow
        auto parsed = parse(bytes);
        EXPECT_FALSE(parsed->ok) << size;
        EXPECT_NE(parsed->error.find("entry 0 \"a\""), std::string::npos) << parsed->error;
    }
}

TEST(PackageReader, ForgedEntryCountIsRefusedBeforeAnyAllocation) {
    std::vector<uint8_t> bytes;
    putI32(bytes, 2147483647);
    bytes.insert(bytes.end(), {0, 0, 0, 0, 0});  // room for one empty entry only
    auto parsed = parse(bytes);
    EXPECT_FALSE(parsed->ok);
    EXPECT_NE(parsed->error.find("declares 2147483647 entries"), std::string::npos) << parsed->error;
}

TEST(PackageWriter, RefusesNamesTheFormatCannotHold) {
    std::string why;
    EXPECT_TRUE(validPackageEntry({std::string(127, 'a'), {}}, why));
    EXPECT_FALSE(validPackageEntry({std::string(128, 'a'), {}}, why));
    EXPECT_FALSE(validPackageEntry({std::string("a\0b", 3), {}}, why));
    EXPECT_THROW(writePackage({{std::string(128, 'a'), {}}}), std::invalid_argument);
}

TEST(PackageWriter, LongestNameRoundTrips) {
    const std::string name(127, 'n');
    auto parsed = parse(writePackage({{name, bytesOf("data")}}));
    ASSERT_TRUE(parsed->ok) << parsed->error;
    EXPECT_EQ(parsed->entries[0].name, name);
}

}  // namespace
