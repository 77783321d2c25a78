#include "obj_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "mesh/model_writer.h"

namespace {

struct ParsedObj {
    std::vector<double> v, vt, vn;
    std::vector<std::string> faces, materialsUsed;
};

ParsedObj parse(const std::string& text) {
    ParsedObj obj;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::istringstream words(line);
        std::string tag;
        words >> tag;
        std::vector<double>* target = tag == "v" ? &obj.v : tag == "vt" ? &obj.vt : tag == "vn" ? &obj.vn : nullptr;
        if (target) {
            for (double value; words >> value;) target->push_back(value);
        } else if (tag == "f") {
            obj.faces.push_back(line);
        } else if (tag == "usemtl") {
            obj.materialsUsed.push_back(line.substr(7));
        }
    }
    return obj;
}

SubMeshRecord texturedQuad() {
    SubMeshRecord r;
    r.textureName = "skin.png";
    r.material = MaterialBlock{0, 1, {0.1f, 0.1f, 0.1f, 1}, {0.5f, 0.25f, 1, 0.75f}, {1, 1, 1, 1}, 64};
    r.positions = {0, 0, 0, 1, 0, 0, 1, 1, 0.1234567891234, 0, 0, 0, 1, 1, 0, 0, 1, -2.5};
    r.normals = {0, 0, 1, 0, 0, 1, 0, 0.6, 0.8, 0, 0, 1, 0, 0, 1, 0, 0, -1};
    r.texCoords = {0, 0, 1, 0, 1, 1, 0, 0, 1, 1, 0, 1};
    return r;
}

SubMeshRecord plainTriangle() {
    SubMeshRecord r;
    r.textureName = "##plasma";
    r.positions = {5, 5, 5, 6, 5, 5, 5, 6, 5};
    r.normals = {1, 0, 0, 1, 0, 0, 1, 0, 0};
    r.texCoords = {0.5, 0.5, 0.25, 0.75, 0.125, 1};
    return r;
}

void expectNear(const std::vector<double>& actual, const std::vector<double>& expected, const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], 1e-8) << what << " " << i;
}

}  // namespace

TEST(ObjExport, EveryCornerAndMaterialIsWrittenAsStored) {
    const SubMeshRecord quad = texturedQuad(), triangle = plainTriangle();
    const std::vector<uint8_t> entry = writeModelEntry({quad, triangle}, 255);
    ObjFiles files;
    std::string error;
    ASSERT_TRUE(exportObj(entry.data(), entry.size(), "heart.mtl", {{"skin.png", "heart_skin.png"}}, files, error,
                          UpAxis::z))
        << error;

    EXPECT_EQ(files.obj.rfind("mtllib heart.mtl\n", 0), 0u);
    const ParsedObj obj = parse(files.obj);
    auto joined = [](std::vector<double> a, const std::vector<double>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    expectNear(obj.v, joined(quad.positions, triangle.positions), "v");
    expectNear(obj.vn, joined(quad.normals, triangle.normals), "vn");
    std::vector<double> flipped = joined(quad.texCoords, triangle.texCoords);
    for (size_t i = 1; i < flipped.size(); i += 2) flipped[i] = 1 - flipped[i];
    expectNear(obj.vt, flipped, "vt (t counted from the image's last row)");
    ASSERT_EQ(obj.faces.size(), 3u);
    EXPECT_EQ(obj.faces[1], "f 4/4/4 5/5/5 6/6/6");
    EXPECT_EQ(obj.faces[2], "f 7/7/7 8/8/8 9/9/9");  // numbering runs on across objects
    EXPECT_EQ(obj.materialsUsed, (std::vector<std::string>{"material0", "material1"}));

    EXPECT_NE(files.mtl.find("newmtl material0\nKa 0.1 0.1 0.1\nKd 0.5 0.25 1\nKs 1 1 1\nNs 500\nd 0.75\n"),
              std::string::npos) << files.mtl;
    EXPECT_NE(files.mtl.find("map_Kd heart_skin.png\n"), std::string::npos);
    EXPECT_NE(files.mtl.find("# texture \"##plasma\" (generated)"), std::string::npos) << files.mtl;
    EXPECT_NE(files.mtl.find("# drawn in the transparent pass"), std::string::npos);

    // Written standing on Y, the show's (x, y, z) is the file's (x, z, -y).
    ASSERT_TRUE(exportObj(entry.data(), entry.size(), "heart.mtl", {}, files, error, UpAxis::y));
    const ParsedObj turned = parse(files.obj);
    expectNear({turned.v.begin() + 6, turned.v.begin() + 9}, {1, 0.1234567891234, -1}, "v, Y up");
    expectNear({turned.vn.begin() + 6, turned.vn.begin() + 9}, {0, 0.8, -0.6}, "vn, Y up");
}

TEST(ObjExport, DamagedEntriesAreRefusedSayingWhere) {
    const std::vector<uint8_t> entry = writeModelEntry({texturedQuad(), plainTriangle()});
    for (size_t size = 0; size < entry.size(); size += 7) {
        ObjFiles files;
        std::string error;
        EXPECT_FALSE(exportObj(entry.data(), size, "m.mtl", {}, files, error)) << size;
        EXPECT_FALSE(error.empty()) << size;
    }
    ObjFiles files;
    std::string error;
    EXPECT_TRUE(exportObj(entry.data(), entry.size(), "m.mtl", {}, files, error)) << error;
    EXPECT_NE(files.mtl.find("# texture \"skin.png\"\n"), std::string::npos);  // no file for it
}
