// ByteWriter: the little-endian writer beside ByteCursor (byte_cursor.h),
// appending to a byte vector it does not own.
//
// Every byte writer of the program (packages, model entries and their
// materials, settings, bitmaps) goes through it, as every reader goes
// through the cursor: the byte order is written here once. Integers are
// two's complement, floats IEEE 754, least significant byte first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

class ByteWriter {
public:
    explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}

    void putU8(uint8_t value) { out_.push_back(value); }
    void putU16(uint16_t value) {
        putU8(static_cast<uint8_t>(value));
        putU8(static_cast<uint8_t>(value >> 8));
    }
    void putU32(uint32_t value) {
        for (int i = 0; i < 4; ++i) putU8(static_cast<uint8_t>(value >> (8 * i)));
    }
    void putI32(int32_t value) { putU32(static_cast<uint32_t>(value)); }
    void putU64(uint64_t value) {
        putU32(static_cast<uint32_t>(value));
        putU32(static_cast<uint32_t>(value >> 32));
    }
    void putF32(float value) {
        uint32_t bits;
        std::memcpy(&bits, &value, 4);
        putU32(bits);
    }
    void putF64(double value) {
        uint64_t bits;
        std::memcpy(&bits, &value, 8);
        putU64(bits);
    }
    // Bytes as they are.
    void putBytes(const uint8_t* data, size_t count) { out_.insert(out_.end(), data, data + count); }
    void putBytes(const std::vector<uint8_t>& bytes) { putBytes(bytes.data(), bytes.size()); }
    void putBytes(const std::string& text) {
        putBytes(reinterpret_cast<const uint8_t*>(text.data()), text.size());
    }
    void putZeros(size_t count) { out_.insert(out_.end(), count, 0); }

private:
    std::vector<uint8_t>& out_;
};
