// Model import: OBJ and glTF files the tests write themselves, their
// materials and textures, the round trip through export, and bad input.
#include "model_import.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <numbers>
#include <sstream>

#include "app/show_packages.h"
#include "common/png_writer.h"
#include "common/rgba_image.h"
#include "mesh/model_entry.h"
#include "obj_export.h"
#include "pak_commands.h"
#include "retexture.h"
#include "snapshot.h"
#include "common/temp_dir.h"

namespace {

std::string text(const std::vector<uint8_t>& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

// A width x height PNG whose pixel (x, y) is (x * 40, y * 40, 200, alpha).
std::vector<uint8_t> gradientPng(int width, int height, uint8_t alpha = 255) {
    std::vector<uint8_t> rgba;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            rgba.insert(rgba.end(), {uint8_t(x * 40), uint8_t(y * 40), 200, alpha});
        }
    }
    return encodePng(width, height, rgba);
}

const char* cubeMtl = R"(newmtl green
Ka 0.1 0.2 0.3
Kd 0 1 0
Ks 0.5 0.5 0.5
Ns 500
d 0.5

newmtl lid
Kd 1 1 1
map_Kd lid.png
)";

// A glTF square of two triangles standing in the x-y plane (Y up, facing
// +Z), with normals, texture coordinates and an embedded PNG; or a cube of
// six of them.
struct GltfSquare {
    std::vector<uint8_t> buffer;  // positions, normals, uvs, indices, image
    std::string json;
};

void appendFloats(std::vector<uint8_t>& out, std::initializer_list<float> values) {
    for (float v : values) {
        uint8_t b[4];
        std::memcpy(b, &v, 4);
        out.insert(out.end(), b, b + 4);
    }
}

// Six nodes placing the square as the faces of a cube of side 2.
const char* cubeNodes = R"("scenes": [{"nodes": [0, 1, 2, 3, 4, 5]}],
 "nodes": [{"mesh": 0, "translation": [0, 0, 1]},
   {"mesh": 0, "translation": [0, 0, -1], "rotation": [0, 1, 0, 0]},
   {"mesh": 0, "translation": [1, 0, 0], "rotation": [0, 0.70710678, 0, 0.70710678]},
   {"mesh": 0, "translation": [-1, 0, 0], "rotation": [0, -0.70710678, 0, 0.70710678]},
   {"mesh": 0, "translation": [0, 1, 0], "rotation": [-0.70710678, 0, 0, 0.70710678]},
   {"mesh": 0, "translation": [0, -1, 0], "rotation": [0.70710678, 0, 0, 0.70710678]}],)";

GltfSquare gltfSquare(const std::string& alphaMode, const std::string& bufferUri,
                      const std::string& baseColour = "[1, 0.5, 0.25, 0.8]", bool cube = false,
                      uint8_t textureAlpha = 255) {
    GltfSquare g;
    appendFloats(g.buffer, {-1, -1, 0, 1, -1, 0, 1, 1, 0, -1, 1, 0});   // 0: 48 bytes
    appendFloats(g.buffer, {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1});       // 48: 48 bytes
    appendFloats(g.buffer, {0, 1, 1, 1, 1, 0, 0, 0});                    // 96: 32 bytes
    for (uint16_t i : {0, 1, 2, 0, 2, 3}) g.buffer.insert(g.buffer.end(), {uint8_t(i), 0});  // 128: 12
    g.buffer.insert(g.buffer.end(), {0, 0, 0, 0});                       // pad to 144
    const std::vector<uint8_t> png = gradientPng(4, 2, textureAlpha);
    g.buffer.insert(g.buffer.end(), png.begin(), png.end());
    while (g.buffer.size() % 4) g.buffer.push_back(0);
    const std::string uri = bufferUri.empty() ? "" : "\"uri\": \"" + bufferUri + "\", ";
    g.json = std::string(R"({"asset": {"version": "2.0"}, "scene": 0, )") +
             (cube ? cubeNodes : R"("scenes": [{"nodes": [0]}], "nodes": [{"mesh": 0}],)") + R"(
 "meshes": [{"primitives": [{"attributes": {"POSITION": 0, "NORMAL": 1, "TEXCOORD_0": 2},
   "indices": 3, "material": 0}]}],
 "materials": [{"pbrMetallicRoughness": {"baseColorFactor": )" + baseColour + R"(,
   "roughnessFactor": 0.5, "baseColorTexture": {"index": 0}}, "alphaMode": ")" +
             alphaMode + R"("}],
 "textures": [{"source": 0}],
 "images": [{"bufferView": 4, "mimeType": "image/png"}],
 "buffers": [{)" + uri + "\"byteLength\": " +
             std::to_string(g.buffer.size()) + R"(}],
 "bufferViews": [{"buffer": 0, "byteOffset": 0, "byteLength": 48},
   {"buffer": 0, "byteOffset": 48, "byteLength": 48},
   {"buffer": 0, "byteOffset": 96, "byteLength": 32},
   {"buffer": 0, "byteOffset": 128, "byteLength": 12},
   {"buffer": 0, "byteOffset": 144, "byteLength": )" +
             std::to_string(png.size()) + R"(}],
 "accessors": [
   {"bufferView": 0, "componentType": 5126, "count": 4, "type": "VEC3", "min": [-1, -1, 0], "max": [1, 1, 0]},
   {"bufferView": 1, "componentType": 5126, "count": 4, "type": "VEC3"},
   {"bufferView": 2, "componentType": 5126, "count": 4, "type": "VEC2"},
   {"bufferView": 3, "componentType": 5123, "count": 6, "type": "SCALAR"}]}
)";
    return g;
}

std::string base64(const std::vector<uint8_t>& bytes) {
    static const char* digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        const size_t left = bytes.size() - i;
        const uint32_t n = uint32_t(bytes[i]) << 16 | (left > 1 ? bytes[i + 1] << 8 : 0) | (left > 2 ? bytes[i + 2] : 0);
        out += digits[n >> 18 & 63];
        out += digits[n >> 12 & 63];
        out += left > 1 ? digits[n >> 6 & 63] : '=';
        out += left > 2 ? digits[n & 63] : '=';
    }
    return out;
}

// The binary form: a 12-byte header, the JSON chunk and the buffer chunk.
std::vector<uint8_t> glb(const GltfSquare& g) {
    std::string json = g.json;
    while (json.size() % 4) json += ' ';
    std::vector<uint8_t> out;
    auto u32 = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
    };
    u32(0x46546C67);
    u32(2);
    u32(uint32_t(12 + 8 + json.size() + 8 + g.buffer.size()));
    u32(uint32_t(json.size()));
    u32(0x4E4F534A);
    out.insert(out.end(), json.begin(), json.end());
    u32(uint32_t(g.buffer.size()));
    u32(0x004E4942);
    out.insert(out.end(), g.buffer.begin(), g.buffer.end());
    return out;
}

bool import(const std::string& path, ImportedModel& model, std::string& error, double fit = 0,
            UpAxis up = UpAxis::y) {
    ImportOptions options;
    options.entryName = "rose";
    options.fitRadius = fit;
    options.up = up;
    return importModel(path, options, model, error);
}

void expectVectorsNear(const std::vector<double>& actual, const std::vector<double>& expected, double tolerance,
                       const char* what) {
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < actual.size(); ++i) EXPECT_NEAR(actual[i], expected[i], tolerance) << what << " " << i;
}

TEST(ModelImport, ObjMaterialsNormalsAndTextureBecomeRecords) {
    TempDir dir;
    // A cube of side 2 without normals: six quads, the top one textured.
    std::filesystem::copy_file(AMBER_TEST_MODELS "cube.obj", dir.path() + "/cube.obj");
    dir.write("cube.mtl", cubeMtl);
    dir.write("lid.png", text(gradientPng(3, 6)));
    ImportedModel model;
    std::string error;
    ASSERT_TRUE(import(dir.path() + "/cube.obj", model, error, 0, UpAxis::z)) << error;

    EXPECT_EQ(model.triangleCount, 12);
    ASSERT_EQ(model.subMeshes.size(), 2u) << "one record per material";
    const SubMeshRecord& green = model.subMeshes[0];
    const SubMeshRecord& lid = model.subMeshes[1];
    EXPECT_EQ(green.positions.size(), 10u * 9);
    EXPECT_EQ(green.textureName, "") << "untextured";
    EXPECT_FLOAT_EQ(green.material.diffuse[1], 1);
    EXPECT_FLOAT_EQ(green.material.diffuse[3], 0.5f) << "d";
    EXPECT_TRUE(green.material.transparent);
    EXPECT_FALSE(green.material.alphaTest);
    EXPECT_FLOAT_EQ(green.material.ambient[2], 0.3f);
    EXPECT_FLOAT_EQ(green.material.specular[0], 0.5f);
    EXPECT_FLOAT_EQ(green.material.shininess, 64) << "Ns 500 of 1000";
    EXPECT_FALSE(lid.material.transparent);
    EXPECT_FLOAT_EQ(lid.material.ambient[0], 0.2f) << "no Ka: a fifth of the diffuse colour";

    // No normals in the file: computed, and the cube keeps its flat faces.
    for (const SubMeshRecord* record : {&green, &lid}) {
        for (size_t i = 0; i < record->normals.size(); i += 9) {
            const double* n = &record->normals[i];
            const double* p = &record->positions[i];
            for (int axis = 0; axis < 3; ++axis) {
                if (std::abs(n[axis]) > 0.5) {
                    EXPECT_NEAR(n[axis], p[axis], 1e-6) << "outward and flat at triangle " << i / 9;
                }
                EXPECT_NEAR(n[axis], n[axis + 3], 1e-6);
                EXPECT_NEAR(n[axis], n[axis + 6], 1e-6);
            }
        }
    }
    // OBJ counts v from the image's last row; the show from its first.
    ASSERT_EQ(lid.texCoords.size(), 12u);
    EXPECT_EQ(lid.textureName, "rose_tex");
    for (size_t c = 0; c < 6; ++c) {
        const double x = lid.positions[c * 3], z = lid.positions[c * 3 + 2];
        EXPECT_DOUBLE_EQ(lid.texCoords[c * 2], z > 0 ? 1 : 0) << "corner " << c;
        EXPECT_DOUBLE_EQ(lid.texCoords[c * 2 + 1], x < 0 ? 1 : 0) << "corner " << c;
    }

    ASSERT_EQ(model.images.size(), 1u);
    const ImportedImage& image = model.images[0];
    EXPECT_EQ(image.entryName, "rose_tex");
    EXPECT_EQ(image.source, "lid.png");
    EXPECT_EQ(image.sourceWidth, 3);
    EXPECT_EQ(image.sourceHeight, 6);
    EXPECT_EQ(image.width, 4) << "3 is nearest to 4";
    EXPECT_EQ(image.height, 8) << "6 is nearer to 8 than to 4";
    EXPECT_EQ(image.rgba.size(), 4u * 8 * 4);
}

TEST(ModelImport, GltfAndGlbGiveTheSameRecordsStandingOnZ) {
    TempDir dir;
    GltfSquare mask = gltfSquare("MASK", "");
    mask.json = gltfSquare("MASK", "data:application/octet-stream;base64," + base64(mask.buffer)).json;
    dir.write("square.gltf", mask.json);
    dir.write("square.glb", text(glb(gltfSquare("MASK", ""))));

    ImportedModel fromText, fromBinary;
    std::string error;
    ASSERT_TRUE(import(dir.path() + "/square.gltf", fromText, error)) << error;
    ASSERT_TRUE(import(dir.path() + "/square.glb", fromBinary, error)) << error;
    for (const ImportedModel* model : {&fromText, &fromBinary}) {
        ASSERT_EQ(model->subMeshes.size(), 1u);
        const SubMeshRecord& r = model->subMeshes[0];
        // glTF's (x, y, z) is the show's (x, -z, y): the square stands up
        // in the x-z plane and faces -Y.
        expectVectorsNear(r.positions, {-1, 0, -1, 1, 0, -1, 1, 0, 1, -1, 0, -1, 1, 0, 1, -1, 0, 1}, 1e-6,
                          "positions");
        for (size_t i = 0; i < r.normals.size(); i += 3) {
            EXPECT_NEAR(r.normals[i + 1], -1, 1e-6);
        }
        // glTF's texture coordinates already count from the image's first row.
        expectVectorsNear(r.texCoords, {0, 1, 1, 1, 1, 0, 0, 1, 1, 0, 0, 0}, 1e-6, "texture coordinates");
        EXPECT_TRUE(r.material.alphaTest) << "alpha mode MASK";
        EXPECT_FALSE(r.material.transparent);
        EXPECT_FLOAT_EQ(r.material.diffuse[0], 1);
        EXPECT_FLOAT_EQ(r.material.diffuse[1], 0.5f);
        EXPECT_FLOAT_EQ(r.material.diffuse[3], 0.8f);
        EXPECT_NEAR(r.material.ambient[0], 0.2, 1e-6) << "a fifth of the base colour";
        EXPECT_NEAR(r.material.specular[0], 0.25, 1e-6) << "roughness 0.5";
        EXPECT_NEAR(r.material.shininess, 32, 1e-4);
        EXPECT_EQ(r.textureName, "rose_tex");
        ASSERT_EQ(model->images.size(), 1u);
        EXPECT_EQ(model->images[0].width, 4);
        EXPECT_EQ(model->images[0].height, 2);
        const std::vector<uint8_t>& px = model->images[0].rgba;
        EXPECT_EQ(std::vector<uint8_t>(px.begin() + 28, px.begin() + 32), (std::vector<uint8_t>{120, 40, 200, 255}))
            << "pixel (3, 1) as drawn";
    }

    dir.write("blend.glb", text(glb(gltfSquare("BLEND", ""))));
    dir.write("opaque.glb", text(glb(gltfSquare("OPAQUE", "", "[1, 0.5, 0.25, 0.8]", false, 128))));
    ImportedModel blend, opaque;
    ASSERT_TRUE(import(dir.path() + "/blend.glb", blend, error)) << error;
    ASSERT_TRUE(import(dir.path() + "/opaque.glb", opaque, error)) << error;
    EXPECT_TRUE(blend.subMeshes[0].material.transparent);
    EXPECT_FALSE(blend.subMeshes[0].material.alphaTest);
    EXPECT_FALSE(opaque.subMeshes[0].material.transparent);
    EXPECT_FLOAT_EQ(opaque.subMeshes[0].material.diffuse[3], 1) << "an opaque material's alpha is ignored";
    EXPECT_FALSE(opaque.subMeshes[0].material.transparent) << "glTF's OPAQUE holds against a see-through texture";
}

// A sphere of 24 x 12 quads with smooth normals and texture coordinates, as
// a package stores it (Z up).
SubMeshRecord sphereRecord() {
    SubMeshRecord r;
    r.textureName = "ball";
    r.material.diffuse[0] = 0.75f;
    r.material.shininess = 40;
    const int around = 24, rings = 12;
    auto corner = [&](int i, int j) {
        const double phi = 2 * std::numbers::pi * i / around, theta = std::numbers::pi * j / rings;
        const double n[3] = {std::sin(theta) * std::cos(phi), std::sin(theta) * std::sin(phi), std::cos(theta)};
        r.positions.insert(r.positions.end(), {3 * n[0] + 1, 3 * n[1] - 2, 3 * n[2] + 0.5});
        r.normals.insert(r.normals.end(), {n[0], n[1], n[2]});
        r.texCoords.insert(r.texCoords.end(), {double(i) / around, double(j) / rings});
    };
    for (int i = 0; i < around; ++i) {
        for (int j = 0; j < rings; ++j) {
            if (j > 0) corner(i, j), corner(i + 1, j), corner(i + 1, j + 1);
            if (j < rings - 1) corner(i, j), corner(i + 1, j + 1), corner(i, j + 1);
        }
    }
    return r;
}

TEST(ModelImport, ExportedEntriesComeBackWithTheirNormalsAndTextureCoordinates) {
    const SubMeshRecord sphere = sphereRecord();
    const std::vector<uint8_t> entry = writeModelEntry({sphere});
    TempDir dir;
    dir.write("ball.png", text(gradientPng(4, 4)));
    for (UpAxis up : {UpAxis::y, UpAxis::z}) {
        ObjFiles files;
        std::string error;
        ASSERT_TRUE(exportObj(entry.data(), entry.size(), "ball.mtl", {{"ball", "ball.png"}}, files, error, up));
        dir.write("ball.obj", files.obj);
        dir.write("ball.mtl", files.mtl);
        ImportedModel model;
        ASSERT_TRUE(import(dir.path() + "/ball.obj", model, error, 0, up)) << error;
        ASSERT_EQ(model.subMeshes.size(), 1u);
        const SubMeshRecord& back = model.subMeshes[0];
        expectVectorsNear(back.positions, sphere.positions, 1e-6, "positions");
        expectVectorsNear(back.normals, sphere.normals, 1e-6, "normals");
        expectVectorsNear(back.texCoords, sphere.texCoords, 1e-6, "texture coordinates");
        EXPECT_FLOAT_EQ(back.material.diffuse[0], 0.75f);
        EXPECT_NEAR(back.material.shininess, 40, 1e-3);
        EXPECT_NEAR(model.radius, 3, 1e-6);
        EXPECT_EQ(back.textureName, "rose_tex");
    }
}

TEST(ModelImport, SeeThroughTexturesDrawInTheTransparentPassUnlessGltfSaysOtherwise) {
    // An overlay sprite as the show stores it: transparent, with alpha.
    SubMeshRecord sprite = sphereRecord();
    sprite.material.transparent = 1;
    const std::vector<uint8_t> entry = writeModelEntry({sprite});
    TempDir dir;
    dir.write("sprite.png", text(gradientPng(4, 4, 128)));
    ObjFiles files;
    std::string error;
    ASSERT_TRUE(exportObj(entry.data(), entry.size(), "sprite.mtl", {{"ball", "sprite.png"}}, files, error, UpAxis::z));
    dir.write("sprite.obj", files.obj);
    dir.write("sprite.mtl", files.mtl);
    ImportedModel model;
    ASSERT_TRUE(import(dir.path() + "/sprite.obj", model, error, 0, UpAxis::z)) << error;
    EXPECT_TRUE(model.subMeshes[0].material.transparent) << "comes back transparent";

    dir.write("sprite.png", text(gradientPng(4, 4, 255)));
    ASSERT_TRUE(import(dir.path() + "/sprite.obj", model, error, 0, UpAxis::z)) << error;
    EXPECT_FALSE(model.subMeshes[0].material.transparent) << "an opaque texture, an opaque material";
}

TEST(ModelImport, FitCentresAndScalesIntoTheSphere) {
    const std::vector<uint8_t> entry = writeModelEntry({sphereRecord()});
    TempDir dir;
    ObjFiles files;
    std::string error;
    ASSERT_TRUE(exportObj(entry.data(), entry.size(), "ball.mtl", {}, files, error));
    dir.write("ball.obj", files.obj);
    dir.write("ball.mtl", files.mtl);
    ImportedModel model;
    ASSERT_TRUE(import(dir.path() + "/ball.obj", model, error, 21.2)) << error;
    const Sphere fitted = boundingSphere(model.subMeshes);
    EXPECT_NEAR(fitted.radius, 21.2, 1e-9);
    for (double c : fitted.centre) EXPECT_NEAR(c, 0, 1e-9);
    EXPECT_NEAR(model.radius, 3, 1e-6) << "the radius as read is reported";
    const std::vector<double>& n = model.subMeshes[0].normals;
    EXPECT_NEAR(std::hypot(n[0], n[1], n[2]), 1, 1e-6) << "normals keep unit length";
}

// Each refusal is one line saying what is wrong; none crashes.
TEST(ModelImport, BadInputIsRefusedInOneLine) {
    TempDir dir;
    const std::vector<uint8_t> square = glb(gltfSquare("OPAQUE", ""));
    auto refused = [&](const std::string& name, const std::string& bytes, const char* expected,
                       size_t maxEntryBytes = std::numeric_limits<int32_t>::max()) {
        dir.write(name, bytes);
        ImportOptions options;
        options.entryName = "rose";
        options.maxEntryBytes = maxEntryBytes;
        ImportedModel model;
        std::string error;
        const bool imported = importModel(dir.path() + "/" + name, options, model, error);
        EXPECT_FALSE(imported) << name;
        EXPECT_NE(error.find(expected), std::string::npos) << name << ": " << error;
        EXPECT_EQ(error.find('\n'), std::string::npos) << error;
    };
    refused("truncated.glb", text(square).substr(0, square.size() / 2), "cannot import");
    refused("header.glb", text(square).substr(0, 20), "cannot import");
    refused("empty.obj", "", "cannot import");
    refused("points.obj", "v 0 0 0\nv 1 0 0\np 1\nl 1 2\n", "no triangles");
    refused("nan.obj", "v nan 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n", "not a finite number");
    refused("far.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 99999999\n", "cannot import");
    dir.write("missing.mtl", "newmtl skin\nmap_Kd nowhere.png\n");
    refused("missing.obj", "mtllib missing.mtl\nusemtl skin\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n",
            "texture \"nowhere.png\" cannot be read");
    dir.write("notimage.mtl", "newmtl skin\nmap_Kd notimage.obj\n");
    refused("notimage.obj", "mtllib notimage.mtl\nusemtl skin\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n",
            "is not an image");
    // 100 triangles need 5 + 150 + 19200 bytes.
    std::string hundred = "v 0 0 0\nv 1 0 0\nv 0 1 0\n";
    for (int i = 0; i < 100; ++i) hundred += "f 1 2 3\n";
    refused("hundred.obj", hundred, "has 100 triangles, 19355 bytes as a model entry", 19354);
    ImportOptions options;
    options.entryName = "rose";
    options.maxEntryBytes = 19355;
    ImportedModel model;
    std::string error;
    EXPECT_TRUE(importModel(dir.path() + "/hundred.obj", options, model, error)) << "exactly at the limit: " << error;
    EXPECT_EQ(writeModelEntry(model.subMeshes).size(), 19355u) << "the estimate is the entry's size";
}

TEST(ModelImport, EveryPrefixOfAGlbIsRefusedOrImportedWithoutHarm) {
    TempDir dir;
    const std::string square = text(glb(gltfSquare("MASK", "")));
    int imported = 0;
    for (size_t size = 0; size < square.size(); size += 7) {
        dir.write("prefix.glb", square.substr(0, size));
        ImportOptions options;
        ImportedModel model;
        std::string error;
        if (importModel(dir.path() + "/prefix.glb", options, model, error)) {
            ++imported;
            ModelInfo info;
            const std::vector<uint8_t> entry = writeModelEntry(model.subMeshes);
            EXPECT_TRUE(inspectModel(entry.data(), entry.size(), info, error)) << size;
        } else {
            EXPECT_FALSE(error.empty()) << size;
        }
    }
    EXPECT_EQ(imported, 0) << "a cut-off file is never taken for a whole one";
}

TEST(ImageResize, PowersOfTwoAndFilteredPixels) {
    EXPECT_EQ(nearestPowerOfTwo(1, 2048), 1);
    EXPECT_EQ(nearestPowerOfTwo(3, 2048), 4);
    EXPECT_EQ(nearestPowerOfTwo(300, 2048), 256);
    EXPECT_EQ(nearestPowerOfTwo(400, 2048), 512);
    EXPECT_EQ(nearestPowerOfTwo(5000, 2048), 2048);

    // A 4 x 1 ramp halves to the averages of its pairs (with the tent's
    // quarter from each neighbour), and a flat image stays flat at any size.
    const std::vector<uint8_t> ramp = {0, 0, 0, 255, 80, 0, 0, 255, 200, 0, 0, 255, 240, 0, 0, 255};
    const std::vector<uint8_t> half = resizeRgba(ramp.data(), 4, 1, 16, 2, 1);
    ASSERT_EQ(half.size(), 8u);
    EXPECT_EQ(half[0], 55) << "(0 x 0.25 + 0 x 0.75 + 80 x 0.75 + 200 x 0.25) / 2, the edge repeated";
    EXPECT_EQ(half[4], 205) << "(80 x 0.25 + 200 x 0.75 + 240 x 0.75 + 240 x 0.25) / 2";
    EXPECT_EQ(half[3], 255);
    std::vector<uint8_t> flat(7 * 5 * 4 + 5 * 4, 0);  // rows padded by 4 pixels
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 7; ++x) std::memcpy(&flat[y * 32 + x * 4], "\x50\xA0\x10\x80", 4);
    }
    for (auto [w, h] : {std::pair{8, 4}, {2, 16}, {1, 1}}) {
        const std::vector<uint8_t> out = resizeRgba(flat.data(), 7, 5, 32, w, h);
        ASSERT_EQ(out.size(), size_t(w * h * 4));
        for (size_t i = 0; i < out.size(); i += 4) {
            EXPECT_EQ(std::vector<uint8_t>(out.begin() + i, out.begin() + i + 4),
                      (std::vector<uint8_t>{0x50, 0xA0, 0x10, 0x80}));
        }
    }
}

}  // namespace

namespace {

TEST(Retexture, RenamesOnlyTheMatchingSubMeshesAndKeepsTheRestByteForByte) {
    SubMeshRecord a = sphereRecord(), b = sphereRecord(), c = sphereRecord();
    a.textureName = "c#Plasma8x8x1x2x3";
    a.nameFieldPadding = 5;  // spare bytes after the terminator go with the old name
    b.textureName = "other";
    c.textureName = "c#Plasma8x8x1x2x3";
    b.material.shininess = 7;
    const std::vector<uint8_t> entry = writeModelEntry({a, b, c}, 255);

    std::vector<uint8_t> out;
    int renamed = 0;
    std::string error;
    ASSERT_TRUE(renameTexture(entry.data(), entry.size(), "c#Plasma8x8x1x2x3", "c#Plasma8x8x9x9x9", out,
                              renamed, error))
        << error;
    EXPECT_EQ(renamed, 2);
    a.textureName = c.textureName = "c#Plasma8x8x9x9x9";
    a.nameFieldPadding = 0;
    EXPECT_EQ(out, writeModelEntry({a, b, c}, 255)) << "as if written with the new name";

    EXPECT_TRUE(renameTexture(entry.data(), entry.size(), "none", "x", out, renamed, error));
    EXPECT_EQ(renamed, 0);
    EXPECT_EQ(out.size(), entry.size());
    EXPECT_FALSE(renameTexture(entry.data(), entry.size(), "other", std::string("a\0b", 3), out, renamed, error));
    EXPECT_FALSE(renameTexture(entry.data(), 3, "other", "x", out, renamed, error));
    for (size_t size = 9; size < entry.size(); size += 997) {
        EXPECT_FALSE(renameTexture(entry.data(), size, "other", "x", out, renamed, error)) << size;
        EXPECT_NE(error.find("sub-mesh"), std::string::npos) << size << ": " << error;
    }
}

}  // namespace

namespace {

// Pixels where blue leads red and green by a third of the range, and their
// centre.
struct BlueArea {
    int count = 0;
    double x = 0, y = 0;
};

BlueArea blueArea(const Picture& picture) {
    BlueArea area;
    for (int32_t y = 0; y < picture.height; ++y) {
        for (int32_t x = 0; x < picture.width; ++x) {
            const uint8_t* p = &picture.rgba[(static_cast<size_t>(y) * picture.width + x) * 4];
            if (p[2] > p[0] + 85 && p[2] > p[1] + 85) {
                ++area.count;
                area.x += x;
                area.y += y;
            }
        }
    }
    if (area.count) area.x /= area.count, area.y /= area.count;
    return area;
}

TEST(ModelImport, AGlbInTheHeartsPlaceIsCheckedAndDrawn) {
    TempDir dir;
    for (const char* package : showPackages) {
        std::filesystem::copy_file(std::string(AMBER_SAVER_DIR) + package, dir.path() + "/" + package);
    }
    // A cube, so the heart's turning always shows a face of it.
    dir.write("cube.glb", text(glb(gltfSquare("OPAQUE", "", "[0, 0, 1, 1]", true))));
    std::ostringstream out, err;
    ASSERT_EQ(pakImport(dir.path() + "/main.pak", {"serdce=" + dir.path() + "/cube.glb"}, 21.2, UpAxis::y, out,
                        err),
              0)
        << err.str();
    EXPECT_NE(out.str().find("12 triangles in 1 sub-meshes, radius 1.73205 fitted to 21.2"), std::string::npos)
        << "each node places the square: " << out.str();
    ASSERT_EQ(pakCheck(dir.path() + "/main.pak", out, err), 0) << err.str();

    SnapshotRequest request;
    request.width = 160;
    request.height = 120;
    request.atMs = 3000;
    request.stepMs = 100;
    request.settings.showClock = 0;
    request.settings.showCalendar = 0;
    Picture heart, cube;
    std::string error;
    request.saverDir = AMBER_SAVER_DIR;
    ASSERT_TRUE(renderShow(request, heart, nullptr, error)) << error;
    request.saverDir = dir.path() + "/";
    ASSERT_TRUE(renderShow(request, cube, nullptr, error)) << error;
    const BlueArea before = blueArea(heart), after = blueArea(cube);
    EXPECT_LT(before.count, 5) << "the show has next to no blue of its own";
    EXPECT_GT(after.count, 300) << "the cube, about 20 pixels a side";
    EXPECT_NEAR(after.x, 80, 12) << "where the heart is";
    EXPECT_NEAR(after.y, 62, 15);
}

}  // namespace
