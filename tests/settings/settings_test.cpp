#include "settings/settings.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

struct Options {
    uint8_t exitOnMouseMove = 0;
    int32_t resolutionIndex = 0;
    uint8_t flags[7] = {};  // frame counter, clock, analog, 24h, large, calendar, russian
};

void putI32(std::vector<uint8_t>& out, int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

std::vector<uint8_t> currentLayout(const Options& o, size_t blockA = 0, size_t blockB = 0,
                                   uint8_t blockFill = 0xAB) {
    std::vector<uint8_t> out;
    putI32(out, 1);
    putI32(out, static_cast<int32_t>(blockA));
    out.insert(out.end(), blockA, blockFill);
    putI32(out, static_cast<int32_t>(blockB));
    out.insert(out.end(), blockB, blockFill);
    out.push_back(o.exitOnMouseMove);
    putI32(out, 0x7F7F7F7F);
    putI32(out, o.resolutionIndex);
    out.insert(out.end(), o.flags, o.flags + 7);
    return out;
}

Settings read(const std::vector<uint8_t>& bytes) {
    std::istringstream stream(std::string(bytes.begin(), bytes.end()));
    return Settings(stream);
}

void expectDefaults(const Settings& s) {
    EXPECT_EQ(s.showFrameCounter, 0);
    EXPECT_EQ(s.showClock, 1);
    EXPECT_EQ(s.analogClock, 0);
    EXPECT_EQ(s.clock24Hour, 0);
    EXPECT_EQ(s.largeClock, 1);
    EXPECT_EQ(s.showCalendar, 1);
    EXPECT_EQ(s.russianCalendar, 0);
    EXPECT_EQ(s.exitOnMouseMove, 0);
    EXPECT_EQ(s.resolutionIndex, 0);
}

TEST(Settings, DefaultsAreDigitalTwelveHourLargeClockAndCalendarAtDesktopSize) {
    Settings s;
    expectDefaults(s);
    EXPECT_EQ(s.screenWidth(), 0);
    EXPECT_EQ(s.screenHeight(), 0);
    EXPECT_EQ(s.screenDepth(), 0);
}

TEST(Settings, CurrentLayoutWithEmptyBlocksIs28BytesWithFieldsAtFixedOffsets) {
    Options o;
    o.exitOnMouseMove = 1;
    o.resolutionIndex = 3;
    const uint8_t flags[7] = {1, 0, 1, 1, 0, 0, 1};
    std::copy(flags, flags + 7, o.flags);
    const std::vector<uint8_t> bytes = currentLayout(o);
    ASSERT_EQ(bytes.size(), 28u);
    EXPECT_EQ(bytes[12], 1);
    EXPECT_EQ(bytes[17], 3);
    EXPECT_EQ(bytes[21], 1);

    const Settings s = read(bytes);
    EXPECT_EQ(s.exitOnMouseMove, 1);
    EXPECT_EQ(s.resolutionIndex, 3);
    EXPECT_EQ(s.showFrameCounter, 1);
    EXPECT_EQ(s.showClock, 0);
    EXPECT_EQ(s.analogClock, 1);
    EXPECT_EQ(s.clock24Hour, 1);
    EXPECT_EQ(s.largeClock, 0);
    EXPECT_EQ(s.showCalendar, 0);
    EXPECT_EQ(s.russianCalendar, 1);
    EXPECT_EQ(s.screenWidth(), 1024);
    EXPECT_EQ(s.screenHeight(), 768);
    EXPECT_EQ(s.screenDepth(), 32);
}

TEST(Settings, BlocksOnlyMoveTheOptions) {
    Options o;
    o.resolutionIndex = 5;
    o.flags[0] = 1;
    o.flags[6] = 1;
    for (auto [a, b] : {std::pair<size_t, size_t>{40, 0}, {0, 40}, {3, 1000}}) {
        for (uint8_t fill : {uint8_t{0x00}, uint8_t{0x01}, uint8_t{0xFF}}) {
            const Settings s = read(currentLayout(o, a, b, fill));
            EXPECT_EQ(s.resolutionIndex, 5) << a << ' ' << b;
            EXPECT_EQ(s.showFrameCounter, 1);
            EXPECT_EQ(s.showClock, 0);
            EXPECT_EQ(s.russianCalendar, 1);
        }
    }
}

TEST(Settings, OlderLayoutsGiveExactlyTheDefaults) {
    for (int32_t marker : {0, 2, -1}) {
        std::vector<uint8_t> bytes;
        putI32(bytes, marker);
        bytes.push_back(1);          // one byte
        putI32(bytes, 7);            // two int32 values
        putI32(bytes, 9);
        bytes.insert(bytes.end(), 5, 1);  // five flag bytes, all set
        putI32(bytes, 2);            // two length-prefixed blocks
        bytes.insert(bytes.end(), {1, 1});
        putI32(bytes, 0);
        SCOPED_TRACE(marker);
        expectDefaults(read(bytes));
    }
}

TEST(Settings, AnyNonZeroFlagByteCountsAsSet) {
    for (uint8_t value : {uint8_t{2}, uint8_t{255}}) {
        Options o;
        std::fill(o.flags, o.flags + 7, value);
        o.exitOnMouseMove = value;
        const Settings s = read(currentLayout(o));
        EXPECT_TRUE(s.showFrameCounter && s.showClock && s.analogClock && s.clock24Hour &&
                    s.largeClock && s.showCalendar && s.russianCalendar && s.exitOnMouseMove);
    }
}

TEST(Settings, ResolutionRowsAndOutOfRangeIndex) {
    Options o;
    o.resolutionIndex = 9;
    Settings s = read(currentLayout(o));
    EXPECT_EQ(s.screenWidth(), 1600);
    EXPECT_EQ(s.screenHeight(), 1200);
    EXPECT_EQ(s.screenDepth(), 32);

    for (int32_t index : {-1, 10, 1000000, INT32_MIN}) {
        o.resolutionIndex = index;
        s = read(currentLayout(o));
        EXPECT_EQ(s.screenWidth(), 0) << index;
        EXPECT_EQ(s.screenHeight(), 0);
        EXPECT_EQ(s.screenDepth(), 0);
    }
}

// A file that ends early keeps what it fully held and defaults for the rest.
TEST(Settings, TruncatedFilesKeepFullyReadOptionsOnly) {
    Options o;
    o.exitOnMouseMove = 1;
    o.resolutionIndex = 7;
    std::fill(o.flags, o.flags + 7, 1);
    const std::vector<uint8_t> full = currentLayout(o, 4, 2);  // 34 bytes
    for (size_t length = 0; length < full.size(); ++length) {
        const std::vector<uint8_t> cut(full.begin(), full.begin() + static_cast<long>(length));
        const Settings s = read(cut);
        SCOPED_TRACE(length);
        EXPECT_EQ(s.exitOnMouseMove, length >= 19 ? 1 : 0);
        EXPECT_EQ(s.resolutionIndex, length >= 27 ? 7 : 0);
        EXPECT_EQ(s.showFrameCounter, length >= 28 ? 1 : 0);
        EXPECT_EQ(s.showClock, 1);  // default and stored value agree
        EXPECT_EQ(s.analogClock, length >= 30 ? 1 : 0);
        EXPECT_EQ(s.clock24Hour, length >= 31 ? 1 : 0);
        EXPECT_EQ(s.russianCalendar, 0);  // the last byte is never present
    }
}

TEST(Settings, NegativeOrOversizedBlockLengthsLeaveDefaults) {
    std::vector<uint8_t> bytes;
    putI32(bytes, 1);
    putI32(bytes, -4);
    bytes.insert(bytes.end(), 40, 1);
    expectDefaults(read(bytes));

    bytes.clear();
    putI32(bytes, 1);
    putI32(bytes, 0x7FFFFFFF);
    bytes.insert(bytes.end(), 40, 1);
    expectDefaults(read(bytes));
}

TEST(Settings, BytesBehindACompleteFileAreNotRead) {
    Options o;
    o.resolutionIndex = 2;
    std::vector<uint8_t> bytes = currentLayout(o);
    bytes.insert(bytes.end(), 100, 0xEE);
    EXPECT_EQ(read(bytes).screenWidth(), 800);
    const Settings fromMemory(bytes.data(), bytes.size());
    EXPECT_EQ(fromMemory.screenWidth(), 800);
}

TEST(Settings, ResetToDefaultsRestoresEveryOption) {
    Options o;
    o.exitOnMouseMove = 1;
    o.resolutionIndex = 4;
    std::fill(o.flags, o.flags + 7, 1);
    Settings s = read(currentLayout(o));
    s.resetToDefaults();
    expectDefaults(s);
}

}  // namespace
