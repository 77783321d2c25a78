// ByteCursor: a little-endian reader over a byte range it does not own.
//
// Every byte reader of the program (packages, model entries, sub-mesh records,
// settings, bitmaps) goes through it. Each read checks the bytes that remain
// first; a read that does not fit returns false, reads nothing and leaves the
// position where it was, so a reader can stop at the first failure and report
// where it happened. Nothing here allocates.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

class ByteCursor {
public:
    ByteCursor(const uint8_t* data, size_t size) : begin_(data), size_(data ? size : 0) {}

    size_t position() const { return position_; }
    size_t remaining() const { return size_ - position_; }
    size_t size() const { return size_; }
    // The byte at the current position (valid only while remaining() > 0).
    const uint8_t* here() const { return begin_ + position_; }

    bool readU8(uint8_t& out) { return readRaw(&out, 1); }
    bool readI8(int8_t& out) {
        uint8_t b;
        if (!readU8(b)) return false;
        out = static_cast<int8_t>(b);
        return true;
    }
    bool readU32(uint32_t& out) {
        uint8_t b[4];
        if (!readRaw(b, 4)) return false;
        out = uint32_t(b[0]) | uint32_t(b[1]) << 8 | uint32_t(b[2]) << 16 | uint32_t(b[3]) << 24;
        return true;
    }
    bool readI32(int32_t& out) {
        uint32_t u;
        if (!readU32(u)) return false;
        out = static_cast<int32_t>(u);
        return true;
    }
    bool readU64(uint64_t& out) {
        uint32_t lo = 0, hi = 0;
        if (remaining() < 8) return false;
        readU32(lo);
        readU32(hi);
        out = uint64_t(hi) << 32 | lo;
        return true;
    }
    bool readF32(float& out) {
        uint32_t u;
        if (!readU32(u)) return false;
        std::memcpy(&out, &u, 4);
        return true;
    }
    bool readF64(double& out) {
        uint64_t u;
        if (!readU64(u)) return false;
        std::memcpy(&out, &u, 8);
        return true;
    }
    // Moves past `count` bytes.
    bool skip(size_t count) {
        if (count > remaining()) return false;
        position_ += count;
        return true;
    }
    // Hands out a pointer to the next `count` bytes and moves past them.
    bool take(size_t count, const uint8_t*& out) {
        if (count > remaining()) return false;
        out = begin_ + position_;
        position_ += count;
        return true;
    }

private:
    bool readRaw(uint8_t* out, size_t count) {
        if (count > remaining()) return false;
        std::memcpy(out, begin_ + position_, count);
        position_ += count;
        return true;
    }

    const uint8_t* begin_;
    size_t size_;
    size_t position_ = 0;
};
