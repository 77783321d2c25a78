#include "support/test_models.h"

#include <gtest/gtest.h>

SubMeshRecord squareRecord(const std::string& textureName, double size, bool transparent) {
    SubMeshRecord record;
    record.textureName = textureName;
    record.material.transparent = transparent ? 1 : 0;
    for (float* colour : {record.material.ambient, record.material.diffuse}) {
        for (int i = 0; i < 4; ++i) colour[i] = 1.0f;
    }
    const double h = size / 2;
    const double corners[6][4] = {{-h, -h, 0, 0}, {h, -h, 1, 0}, {h, h, 1, 1},
                                  {-h, -h, 0, 0}, {h, h, 1, 1},  {-h, h, 0, 1}};
    for (const auto& c : corners) {
        record.positions.insert(record.positions.end(), {c[0], c[1], 0.0});
        record.normals.insert(record.normals.end(), {0.0, 0.0, 1.0});
        record.texCoords.insert(record.texCoords.end(), {c[2], c[3]});
    }
    return record;
}

std::vector<uint8_t> solidBmp(int width, int height, uint8_t red, uint8_t green, uint8_t blue) {
    const int rowBytes = (width * 3 + 3) / 4 * 4;
    const uint32_t pixelBytes = static_cast<uint32_t>(rowBytes * height);
    std::vector<uint8_t> out;
    out.reserve(54 + pixelBytes);
    auto put16 = [&](uint32_t v) {
        out.push_back(uint8_t(v));
        out.push_back(uint8_t(v >> 8));
    };
    auto put32 = [&](uint32_t v) { put16(v & 0xFFFF); put16(v >> 16); };
    out.push_back('B');
    out.push_back('M');
    put32(54 + pixelBytes);
    put32(0);
    put32(54);
    put32(40);
    put32(static_cast<uint32_t>(width));
    put32(static_cast<uint32_t>(height));
    put16(1);
    put16(24);
    put32(0);
    put32(pixelBytes);
    put32(2835);
    put32(2835);
    put32(0);
    put32(0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) out.insert(out.end(), {blue, green, red});
        out.insert(out.end(), static_cast<size_t>(rowBytes - width * 3), 0);
    }
    return out;
}

std::string writeTestPackage(const TempDir& dir, const std::string& name,
                             const std::vector<PackageEntry>& entries) {
    std::string error;
    EXPECT_TRUE(writePackageFile(dir.path() + "/" + name, entries, error)) << error;
    return dir.path() + "/";
}
