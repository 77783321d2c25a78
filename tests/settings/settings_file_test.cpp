#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "common/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;

void putI32(Bytes& out, int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

// A current-layout file: blocks of the given bytes, every option given.
Bytes currentFile(const Bytes& a, const Bytes& b, uint32_t word, uint8_t exitOnMouse,
                  int32_t resolution, const uint8_t (&flags)[7]) {
    Bytes out;
    putI32(out, 1);
    putI32(out, static_cast<int32_t>(a.size()));
    out.insert(out.end(), a.begin(), a.end());
    putI32(out, static_cast<int32_t>(b.size()));
    out.insert(out.end(), b.begin(), b.end());
    out.push_back(exitOnMouse);
    putI32(out, static_cast<int32_t>(word));
    putI32(out, resolution);
    out.insert(out.end(), flags, flags + 7);
    return out;
}

Bytes readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// What the screensaver reads from the file at `path`, through its own stream reader.
Settings screensaverReads(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Settings(in);
}


const Bytes blockA = {'A', 0, 0xFF, 'a'};
const Bytes blockB = {'B', 'b', 0x80};
const uint8_t someFlags[7] = {1, 0, 1, 1, 0, 0, 1};

TEST(SettingsFile, NoFileGivesDefaultsAndEmptyBlocks) {
    TempDir dir;
    const SettingsFile file = loadSettingsFile(dir.path() + "/missing");
    EXPECT_TRUE(file.options == Settings());
    EXPECT_TRUE(file.blockA.empty());
    EXPECT_TRUE(file.blockB.empty());
    EXPECT_EQ(file.unusedWord, 0u);
    EXPECT_FALSE(file.complete);
    EXPECT_EQ(encodeSettingsFile(file).size(), 28u);
}

// Each option on its own, set away from its default and back, survives the
// file and reads back the same through the screensaver's reader.
TEST(SettingsFile, EveryOptionRoundTripsThroughTheFile) {
    TempDir dir;
    const std::string path = dir.path() + "/cfg";
    uint8_t Settings::*flags[] = {&Settings::showFrameCounter, &Settings::showClock,
                                  &Settings::analogClock,      &Settings::clock24Hour,
                                  &Settings::largeClock,       &Settings::showCalendar,
                                  &Settings::russianCalendar,  &Settings::exitOnMouseMove};
    for (size_t i = 0; i < std::size(flags); ++i) {
        for (uint8_t value : {uint8_t{0}, uint8_t{1}}) {
            SettingsFile file;
            file.options.*flags[i] = value;
            std::string error;
            ASSERT_TRUE(saveSettingsFile(path, file, error)) << error;
            SCOPED_TRACE(i);
            EXPECT_TRUE(loadSettingsFile(path).options == file.options);
            EXPECT_TRUE(screensaverReads(path) == file.options);
        }
    }
    for (int32_t row = 0; row < resolutionRowCount; ++row) {
        SettingsFile file;
        file.options.resolutionIndex = row;
        std::string error;
        ASSERT_TRUE(saveSettingsFile(path, file, error)) << error;
        const Settings read = screensaverReads(path);
        EXPECT_EQ(read.resolutionIndex, row);
        EXPECT_EQ(read.screenWidth(), resolutionTable[row].width);
        EXPECT_EQ(loadSettingsFile(path).options.resolutionIndex, row);
    }
}

TEST(SettingsFile, WrittenFileHasTheCurrentLayoutAtItsOffsets) {
    SettingsFile file;
    file.options.exitOnMouseMove = 1;
    file.options.resolutionIndex = 7;
    file.options.showFrameCounter = 1;
    file.options.russianCalendar = 1;
    const Bytes bytes = encodeSettingsFile(file);
    ASSERT_EQ(bytes.size(), 28u);
    const uint8_t flags[7] = {1, 1, 0, 0, 1, 1, 1};
    EXPECT_EQ(bytes, currentFile({}, {}, 0, 1, 7, flags));
}

TEST(SettingsFile, BlocksAndUnusedWordAreKeptWhenOptionsChange) {
    TempDir dir;
    const std::string path =
        dir.write("cfg", text(currentFile(blockA, blockB, 0xDEADBEEF, 1, 4, someFlags)));
    SettingsFile file = loadSettingsFile(path);
    EXPECT_TRUE(file.complete);
    EXPECT_EQ(file.options.resolutionIndex, 4);
    file.options.resolutionIndex = 2;
    file.options.showClock = 1;
    std::string error;
    ASSERT_TRUE(saveSettingsFile(path, file, error)) << error;

    const uint8_t expectedFlags[7] = {1, 1, 1, 1, 0, 0, 1};
    EXPECT_EQ(readFile(path), currentFile(blockA, blockB, 0xDEADBEEF, 1, 2, expectedFlags));
}

// Flags stored as 2 or 255 mean "set"; an untouched file keeps them byte for byte.
TEST(SettingsFile, UnchangedFileIsRewrittenByteForByte) {
    const uint8_t oddFlags[7] = {2, 255, 0, 1, 9, 0, 0x80};
    const Bytes original = currentFile(blockA, {}, 0x01020304, 7, 12, oddFlags);
    EXPECT_EQ(encodeSettingsFile(decodeSettingsFile(original.data(), original.size())), original);
}

TEST(SettingsFile, BytesBehindACompleteFileAreDropped) {
    Bytes bytes = currentFile(blockA, blockB, 5, 0, 3, someFlags);
    const Bytes complete = bytes;
    bytes.insert(bytes.end(), 50, 0xEE);
    EXPECT_EQ(encodeSettingsFile(decodeSettingsFile(bytes.data(), bytes.size())), complete);
}

Bytes olderFile(int32_t marker, const Bytes& a, const Bytes& b) {
    Bytes out;
    putI32(out, marker);
    out.push_back(1);
    putI32(out, 5);
    putI32(out, 6);
    out.insert(out.end(), 5, 1);
    putI32(out, static_cast<int32_t>(a.size()));
    out.insert(out.end(), a.begin(), a.end());
    putI32(out, static_cast<int32_t>(b.size()));
    out.insert(out.end(), b.begin(), b.end());
    return out;
}

// An older-layout file never gave the screensaver its values: the new file
// holds the defaults, in the current layout, with the old blocks carried over.
TEST(SettingsFile, OlderLayoutIsReplacedByACurrentOneWithTheDefaults) {
    for (int32_t marker : {0, 2, -1}) {
        TempDir dir;
        const std::string path = dir.write("cfg", text(olderFile(marker, blockA, blockB)));
        const SettingsFile file = loadSettingsFile(path);
        EXPECT_FALSE(file.complete);
        std::string error;
        ASSERT_TRUE(saveSettingsFile(path, file, error)) << error;
        const uint8_t defaults[7] = {0, 1, 0, 0, 1, 1, 0};
        EXPECT_EQ(readFile(path), currentFile(blockA, blockB, 0, 0, 0, defaults)) << marker;
        EXPECT_TRUE(screensaverReads(path) == Settings());
    }
}

// Cut anywhere, a file is replaced by a whole current one holding exactly the
// options the screensaver took from the cut file, and the blocks it held whole.
TEST(SettingsFile, TruncatedFileIsReplacedByTheValuesInEffect) {
    const Bytes full = currentFile(blockA, blockB, 0xCAFEF00D, 1, 6, someFlags);
    for (size_t length = 0; length < full.size(); ++length) {
        SCOPED_TRACE(length);
        TempDir dir;
        const std::string path =
            dir.write("cfg", std::string(full.begin(), full.begin() + static_cast<long>(length)));
        const Settings inEffect = screensaverReads(path);
        const SettingsFile file = loadSettingsFile(path);
        EXPECT_FALSE(file.complete);
        std::string error;
        ASSERT_TRUE(saveSettingsFile(path, file, error)) << error;
        const Bytes written = readFile(path);
        EXPECT_EQ(written.size(), 28 + file.blockA.size() + file.blockB.size());
        EXPECT_TRUE(screensaverReads(path) == inEffect);
        // Block A is whole from byte 8 + 4 on, block B from 12 + 4 + 3 on.
        EXPECT_EQ(file.blockA, length >= 12 ? blockA : Bytes());
        EXPECT_EQ(file.blockB, length >= 19 ? blockB : Bytes());
        EXPECT_EQ(file.unusedWord, length >= 24 ? 0xCAFEF00Du : 0u);
    }
}

TEST(SettingsFile, BadBlockLengthsAreDroppedAndTheOptionsDefault) {
    for (int32_t length : {-1, -4, 0x7FFFFFFF, 1000}) {
        Bytes bytes;
        putI32(bytes, 1);
        putI32(bytes, length);
        bytes.insert(bytes.end(), 40, 1);
        const SettingsFile file = decodeSettingsFile(bytes.data(), bytes.size());
        EXPECT_TRUE(file.blockA.empty()) << length;
        EXPECT_TRUE(file.options == Settings());
        EXPECT_EQ(encodeSettingsFile(file).size(), 28u);
    }
}

// The screensaver reads no more than the size limit: blocks that push the
// options past it would make every option fall back to its default.
TEST(SettingsFile, BlocksBeyondTheReadLimitAreNotKept) {
    const Bytes big(maxSettingsFileBytes - 20, 0x11);
    const Bytes bytes = currentFile(big, {}, 9, 1, 3, someFlags);
    std::istringstream stream(text(bytes));
    const Settings inEffect(stream);
    const SettingsFile file = decodeSettingsFile(bytes.data(), bytes.size());
    EXPECT_TRUE(file.options == inEffect);
    EXPECT_TRUE(file.blockA.empty());

    const Bytes fits(maxSettingsFileBytes - 28, 0x22);
    const Bytes largest = currentFile(fits, {}, 9, 1, 3, someFlags);
    const SettingsFile kept = decodeSettingsFile(largest.data(), largest.size());
    EXPECT_TRUE(kept.complete);
    EXPECT_EQ(kept.blockA.size(), fits.size());
    EXPECT_EQ(kept.options.resolutionIndex, 3);
}

TEST(SettingsFile, SaveReplacesTheFileAndLeavesNothingElseBehind) {
    TempDir dir;
    const std::string path = dir.write("cfg", "old contents");
    SettingsFile file;
    file.options.showFrameCounter = 1;
    std::string error;
    ASSERT_TRUE(saveSettingsFile(path, file, error)) << error;
    EXPECT_EQ(readFile(path), encodeSettingsFile(file));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1u);
}

TEST(SettingsFile, FailedSaveReportsTheFileAndLeavesNoTemporary) {
    TempDir dir;
    std::string error;
    EXPECT_FALSE(saveSettingsFile(dir.path() + "/no folder/cfg", SettingsFile(), error));
    EXPECT_NE(error.find("no folder/cfg"), std::string::npos) << error;

    // A folder where the file should be cannot be replaced by a file: it stays,
    // and the new bytes written beside it are removed again.
    const std::string path = dir.path() + "/cfg";
    std::filesystem::create_directories(path + "/inside");
    error.clear();
    EXPECT_FALSE(saveSettingsFile(path, SettingsFile(), error));
    EXPECT_NE(error.find("cfg"), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(path + "/inside"));
    size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path())) ++entries;
    EXPECT_EQ(entries, 1u);  // "cfg" only: "no folder" was never made

    EXPECT_FALSE(saveSettingsFile("", SettingsFile(), error));
}

}  // namespace
