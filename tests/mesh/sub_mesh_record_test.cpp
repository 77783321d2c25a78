#include "mesh/sub_mesh_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

#include "mesh/model_entry.h"
#include "mesh/model_writer.h"
#include "package/byte_cursor.h"

namespace {

void putI32(std::vector<uint8_t>& out, int32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> (8 * i)));
}

void putF32(std::vector<uint8_t>& out, float f) {
    uint32_t bits;
    std::memcpy(&bits, &f, 4);
    putI32(out, static_cast<int32_t>(bits));
}

double f64At(const uint8_t* p) {
    double d;
    std::memcpy(&d, p, 8);
    return d;
}

// A record written byte by byte, independent of the writer: a four-letter name
// with its terminator and one spare byte (L = 6), the skipped block and the
// reserved material bytes filled with noise, and `triangles` triangles whose
// doubles count up from 1.
std::vector<uint8_t> handMadeRecord(int32_t triangles, int8_t selector = 0) {
    std::vector<uint8_t> out;
    putI32(out, 6);
    out.insert(out.end(), {'s', 'k', 'i', 'n', 0, 'Q'});
    out.insert(out.end(), 80, 0xEE);
    out.insert(out.end(), {1, 1, 0xAA, 0xAA});  // alpha test, transparent, reserved
    for (float f : {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.1f, 1.2f, 64.0f}) {
        putF32(out, f);
    }
    out.insert(out.end(), 4, 0xAA);
    putI32(out, triangles);
    out.push_back(static_cast<uint8_t>(selector));
    for (int32_t i = 0; i < triangles * 24; ++i) {
        const double d = i + 1;
        uint64_t bits;
        std::memcpy(&bits, &d, 8);
        for (int b = 0; b < 8; ++b) out.push_back(static_cast<uint8_t>(bits >> (8 * b)));
    }
    return out;
}

// Parses from a heap block of exactly the given bytes (sanitizer builds catch
// any read past it).
struct Parse {
    explicit Parse(const std::vector<uint8_t>& bytes, size_t length = SIZE_MAX)
        : size(std::min(length, bytes.size())), block(new uint8_t[size]), cursor(block.get(), size) {
        std::memcpy(block.get(), bytes.data(), size);
        ok = parseSubMeshRecord(cursor, record, error);
    }
    size_t size;
    std::unique_ptr<uint8_t[]> block;
    ByteCursor cursor;
    SubMeshRecordView record;
    std::string error;
    bool ok = false;
};

TEST(SubMeshRecord, NameOfSixBytesPutsMaterialAt90AndCountAt150) {
    const std::vector<uint8_t> bytes = handMadeRecord(1);
    Parse p(bytes);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_STREQ(p.record.textureName, "skin");
    EXPECT_EQ(p.record.textureName, reinterpret_cast<const char*>(p.block.get() + 4));
    EXPECT_EQ(p.record.nameFieldSize, 6);
    EXPECT_EQ(p.block[90], 1);  // the material's first byte
    EXPECT_EQ(p.record.material.alphaTest, 1);
    EXPECT_EQ(p.record.material.transparent, 1);
    EXPECT_FLOAT_EQ(p.record.material.ambient[0], 0.1f);
    EXPECT_FLOAT_EQ(p.record.material.diffuse[0], 0.5f);
    EXPECT_FLOAT_EQ(p.record.material.specular[3], 1.2f);
    EXPECT_FLOAT_EQ(p.record.material.shininess, 64.0f);
    EXPECT_EQ(p.block[150], 1);  // the stored count
    EXPECT_EQ(p.record.triangleCount, 1);
    EXPECT_EQ(p.record.positions, p.block.get() + 155);
    EXPECT_EQ(p.record.normals, p.block.get() + 155 + 72);
    EXPECT_EQ(p.record.texCoords, p.block.get() + 155 + 144);
    EXPECT_EQ(f64At(p.record.positions), 1.0);
    EXPECT_EQ(f64At(p.record.normals), 10.0);
    EXPECT_EQ(f64At(p.record.texCoords + 40), 24.0);
    EXPECT_EQ(p.cursor.position(), 149u + 6 + 192);
}

TEST(SubMeshRecord, WriterProducesTheSameLayout) {
    SubMeshRecord record;
    record.textureName = "skin";
    record.nameFieldPadding = 1;
    record.material.alphaTest = 1;
    record.material.transparent = 1;
    const float values[12] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 1.0f, 1.1f, 1.2f};
    std::memcpy(record.material.ambient, values, 16);
    std::memcpy(record.material.diffuse, values + 4, 16);
    std::memcpy(record.material.specular, values + 8, 16);
    record.material.shininess = 64.0f;
    for (int i = 0; i < 24; ++i) {
        std::vector<double>& array = i < 9 ? record.positions : i < 18 ? record.normals : record.texCoords;
        array.push_back(i + 1);
    }
    std::vector<uint8_t> written;
    appendSubMeshRecord(written, record);
    std::vector<uint8_t> expected = handMadeRecord(1);
    ASSERT_EQ(written.size(), expected.size());
    // Everything but the noise in the spare, skipped and reserved bytes.
    expected[9] = 0;
    std::fill(expected.begin() + 10, expected.begin() + 90, 0);
    expected[92] = expected[93] = 0;
    std::fill(expected.begin() + 146, expected.begin() + 150, 0);
    EXPECT_EQ(written, expected);
    Parse p(written);
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_FLOAT_EQ(p.record.material.diffuse[1], record.material.diffuse[1]);
}

TEST(SubMeshRecord, NoTrianglesMakesTheShortestRecord) {
    Parse p(handMadeRecord(0));
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.record.triangleCount, 0);
    EXPECT_EQ(p.cursor.position(), 149u + 6);
    EXPECT_EQ(p.record.positions, p.block.get() + 155);
}

TEST(SubMeshRecord, RecordsFollowEachOtherDirectly) {
    std::vector<uint8_t> bytes = handMadeRecord(2);
    SubMeshRecord second;
    second.textureName = "x#Fire16x16";
    appendSubMeshRecord(bytes, second);
    ByteCursor cursor(bytes.data(), bytes.size());
    SubMeshRecordView first, next;
    std::string error;
    ASSERT_TRUE(parseSubMeshRecord(cursor, first, error)) << error;
    EXPECT_EQ(cursor.position(), 149u + 6 + 192 * 2);
    ASSERT_TRUE(parseSubMeshRecord(cursor, next, error)) << error;
    EXPECT_STREQ(next.textureName, "x#Fire16x16");
    EXPECT_EQ(reinterpret_cast<const uint8_t*>(next.textureName), bytes.data() + 149 + 6 + 384 + 4);
    EXPECT_EQ(cursor.remaining(), 0u);
}

TEST(SubMeshRecord, EveryTruncationIsRefusedAndLeavesTheCursor) {
    const std::vector<uint8_t> bytes = handMadeRecord(1);
    for (size_t length = 0; length < bytes.size(); ++length) {
        Parse p(bytes, length);
        EXPECT_FALSE(p.ok) << "cut at " << length;
        EXPECT_EQ(p.cursor.position(), 0u) << "cut at " << length;
        EXPECT_FALSE(p.error.empty());
    }
}

TEST(SubMeshRecord, NameFieldWithoutTerminatorIsRefused) {
    std::vector<uint8_t> bytes = handMadeRecord(0);
    bytes[8] = 'X';  // the terminator
    bytes[9] = 'Y';  // and the spare byte
    Parse p(bytes);
    EXPECT_FALSE(p.ok);
    EXPECT_NE(p.error.find("no terminator"), std::string::npos) << p.error;
    EXPECT_NE(p.error.find("offset 4"), std::string::npos) << p.error;
}

TEST(SubMeshRecord, NameFieldLengthsThatCannotHoldANameAreRefused) {
    for (int32_t length : {0, -1, -2147483647 - 1, 2147483647}) {
        std::vector<uint8_t> bytes;
        putI32(bytes, length);
        bytes.insert(bytes.end(), 400, 0);
        Parse p(bytes);
        EXPECT_FALSE(p.ok) << length;
    }
}

TEST(SubMeshRecord, TriangleCountsBeyondTheEntryAreRefused) {
    for (int32_t triangles : {-1, 2, 11184811, 2147483647}) {
        std::vector<uint8_t> bytes = handMadeRecord(1);
        std::memcpy(bytes.data() + 150, &triangles, 4);
        Parse p(bytes);
        EXPECT_FALSE(p.ok) << triangles;
        EXPECT_NE(p.error.find("\"skin\""), std::string::npos) << p.error;
    }
}

TEST(SubMeshRecord, NonZeroSelectorKeepsTheStoredCountAndItsChecks) {
    Parse p(handMadeRecord(1, 3));
    ASSERT_TRUE(p.ok) << p.error;
    EXPECT_EQ(p.record.countSelector, 3);
    EXPECT_EQ(p.record.triangleCount, 1);
    std::vector<uint8_t> bytes = handMadeRecord(1, -1);
    bytes.resize(bytes.size() - 1);
    EXPECT_FALSE(Parse(bytes).ok);
}

TEST(SubMeshRecord, SecondCharacterHashSelectsAGeneratedTexture) {
    EXPECT_TRUE(isProceduralTextureName("x#Plasma64x64:1:2:3"));
    EXPECT_TRUE(isProceduralTextureName("##"));
    EXPECT_FALSE(isProceduralTextureName("#skin"));
    EXPECT_FALSE(isProceduralTextureName("#"));
    EXPECT_FALSE(isProceduralTextureName(""));
    EXPECT_FALSE(isProceduralTextureName("skin"));
    EXPECT_FALSE(isProceduralTextureName(nullptr));
}

std::string headerError(const std::vector<uint8_t>& bytes, int32_t& count, size_t& position) {
    ByteCursor cursor(bytes.data(), bytes.size());
    std::string error;
    count = -99;
    const bool ok = readModelHeader(cursor, count, error);
    position = cursor.position();
    return ok ? std::string() : error;
}

TEST(ModelHeader, Marker255PutsTheCountAtOffset5AndOthersAtOffset1) {
    std::vector<uint8_t> entry = writeModelEntry({SubMeshRecord{}}, 255);
    int32_t count;
    size_t position;
    EXPECT_EQ(headerError(entry, count, position), "");
    EXPECT_EQ(count, 1);
    EXPECT_EQ(position, 9u);
    EXPECT_EQ(entry[5], 1);
    for (uint8_t marker : {0, 1, 254}) {
        entry = writeModelEntry({SubMeshRecord{}, SubMeshRecord{}}, marker);
        EXPECT_EQ(headerError(entry, count, position), "") << int(marker);
        EXPECT_EQ(count, 2);
        EXPECT_EQ(position, 5u);
        EXPECT_EQ(entry[1], 2);
    }
}

TEST(ModelHeader, ShortNegativeAndOversizedCountsAreRefused) {
    int32_t count;
    size_t position;
    EXPECT_NE(headerError({}, count, position), "");
    EXPECT_NE(headerError({255, 0, 0}, count, position), "");
    EXPECT_NE(headerError({0, 1, 0, 0}, count, position), "");
    EXPECT_NE(headerError({0, 0xFF, 0xFF, 0xFF, 0xFF}, count, position).find("negative"), std::string::npos);
    // One record's worth of bytes for two records.
    std::vector<uint8_t> entry = writeModelEntry({SubMeshRecord{}});
    entry[1] = 2;
    EXPECT_NE(headerError(entry, count, position).find("declares 2 sub-meshes"), std::string::npos);
    EXPECT_EQ(headerError(writeModelEntry({}), count, position), "");
    EXPECT_EQ(count, 0);
}

TEST(InspectModel, CountsSubMeshesTrianglesAndTextures) {
    SubMeshRecord a;
    a.textureName = "skin";
    a.positions.assign(18, 0.0);
    a.normals.assign(18, 0.0);
    a.texCoords.assign(12, 0.0);
    SubMeshRecord b;
    b.textureName = "x#Plasma64x64:1:2:3";
    b.material.transparent = 1;
    SubMeshRecord c = a;
    const std::vector<uint8_t> entry = writeModelEntry({a, b, c}, 255);
    ModelInfo info;
    std::string error;
    ASSERT_TRUE(inspectModel(entry.data(), entry.size(), info, error)) << error;
    EXPECT_EQ(info.subMeshCount, 3);
    EXPECT_EQ(info.triangleCount, 4);
    EXPECT_EQ(info.transparentCount, 1);
    EXPECT_EQ(info.textureNames, (std::vector<std::string>{"skin", "x#Plasma64x64:1:2:3"}));

    for (size_t length = 0; length < entry.size(); ++length) {
        std::unique_ptr<uint8_t[]> cut(new uint8_t[length]);
        std::memcpy(cut.get(), entry.data(), length);
        EXPECT_FALSE(inspectModel(cut.get(), length, info, error)) << length;
        EXPECT_EQ(info.subMeshCount, 0);
    }
}

TEST(ModelWriter, RefusesArraysThatAreNotWholeTriangles) {
    SubMeshRecord record;
    record.positions.assign(9, 0.0);
    record.normals.assign(9, 0.0);
    record.texCoords.assign(5, 0.0);
    EXPECT_THROW(writeModelEntry({record}), std::invalid_argument);
}

}  // namespace
