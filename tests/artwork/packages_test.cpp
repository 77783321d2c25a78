// The real packages: every entry the show loads is there and sound, and each
// piece of artwork has the shape its placement in the show needs.
#include <cmath>
#include <map>
#include <set>
#include <tuple>

#include "proctex/procedural_name.h"
#include "real_packages.h"

namespace {

std::vector<std::string> numbered(const std::string& prefix, int from, int to) {
    std::vector<std::string> names;
    for (int i = from; i <= to; ++i) names.push_back(prefix + std::to_string(i));
    return names;
}

// Model entries the show loads, per package.
std::map<std::string, std::vector<std::string>> showModels() {
    std::map<std::string, std::vector<std::string>> models;
    models["main.pak"] = {"fon", "serdce", "serdechko", "nn"};
    models["clock.pak"] = {"ciferblat", "sec", "min", "chas", "podlozka", "podlozka_am", "dot", "am", "pm"};
    for (const std::string& d : numbered("", 0, 9)) models["clock.pak"].push_back(d);
    models["calendar.pak"] = {"fon", "fon_rus", "day", "day_rus", "null", "sel"};
    for (const std::string& m : numbered("m", 1, 12)) models["calendar.pak"].push_back(m);
    for (const std::string& d : numbered("", 1, 31)) models["calendar.pak"].push_back(d);
    models["utils.pak"] = {"fps"};
    for (const std::string& d : numbered("", 0, 9)) models["utils.pak"].push_back(d);
    return models;
}

bool powerOfTwo(int32_t v) {
    return v > 0 && (v & (v - 1)) == 0;
}

TEST(RealPackages, HoldEveryEntryTheShowLoadsAndNothingUnused) {
    for (const auto& [name, models] : showModels()) {
        const RealPackage package = loadPackage(name);
        ASSERT_TRUE(package.error.empty()) << name << ": " << package.error;
        std::set<std::string> used;
        for (const std::string& entry : models) {
            const PackageEntryView* view = package.find(entry);
            ASSERT_NE(view, nullptr) << name << " lacks " << entry;
            used.insert(entry);
            ModelInfo info;
            std::string error;
            EXPECT_TRUE(inspectModel(view->data, static_cast<size_t>(view->size), info, error))
                << name << " " << entry << ": " << error;
            for (const std::string& texture : info.textureNames) {
                if (isProceduralTextureName(texture.c_str())) {
                    ProceduralTextureName parsed;
                    EXPECT_TRUE(parseProceduralTextureName(texture, parsed, error)) << texture << ": " << error;
                    EXPECT_TRUE(powerOfTwo(parsed.width) && powerOfTwo(parsed.height)) << texture;
                    continue;
                }
                const PackageEntryView* image = package.find(texture);
                ASSERT_NE(image, nullptr) << name << " " << entry << " needs image " << texture;
                // A PNG with 8-bit RGBA pixels: the show uploads them as they are.
                ASSERT_GT(image->size, 26);
                EXPECT_EQ(std::string(reinterpret_cast<const char*>(image->data) + 1, 3), "PNG");
                EXPECT_EQ(image->data[24], 8) << name << " " << texture << " bit depth";
                EXPECT_EQ(image->data[25], 6) << name << " " << texture << " colour type RGBA";
                RgbaImage decoded;
                EXPECT_TRUE(decodeRgbaImage(image->data, static_cast<size_t>(image->size), decoded))
                    << name << " " << texture;
                EXPECT_TRUE(powerOfTwo(decoded.width) && powerOfTwo(decoded.height))
                    << name << " " << texture << " is " << decoded.width << " x " << decoded.height;
                used.insert(texture);
            }
        }
        for (const PackageEntryView& view : package.entries) {
            EXPECT_TRUE(used.count(view.name)) << name << " holds unused entry " << view.name;
        }
        // Names are unique: the reader would only ever find the first.
        std::set<std::string> names;
        for (const PackageEntryView& view : package.entries) {
            EXPECT_TRUE(names.insert(view.name).second) << name << " repeats " << view.name;
        }
    }
}

TEST(RealPackages, BackgroundIsOpaqueAndCoversTheWidestView) {
    const RealPackage main = loadPackage("main.pak");
    const std::vector<Mesh> meshes = readModel(main, "fon");
    ASSERT_EQ(meshes.size(), 1u);
    const Mesh& quad = meshes[0];
    // The node scales by (4, 3) at eye depth -200: half the view there is
    // 200 tan 22.5 = 82.84 high and 2.333 times that wide at 21:9.
    const double halfHeight = 200 * std::tan(22.5 * M_PI / 180);
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
    for (size_t i = 0; i < quad.corners(); ++i) {
        minX = std::min(minX, quad.positions[i * 3]);
        maxX = std::max(maxX, quad.positions[i * 3]);
        minY = std::min(minY, quad.positions[i * 3 + 1]);
        maxY = std::max(maxY, quad.positions[i * 3 + 1]);
        EXPECT_EQ(quad.positions[i * 3 + 2], 0.0);
        EXPECT_EQ(quad.normals[i * 3 + 2], -1.0) << "faces the viewer after the node's turn";
        // The node mirrors y: the screen's top (model y minimum) shows the image's top row.
        const double t = quad.texCoords[i * 2 + 1];
        if (quad.positions[i * 3 + 1] < 0) {
            EXPECT_LT(t, 0.01);
        }
    }
    EXPECT_LE(minX * 4, -halfHeight * 21 / 9);
    EXPECT_GE(maxX * 4, halfHeight * 21 / 9);
    EXPECT_GE(maxY * 3, halfHeight);
    EXPECT_LE(minY * 3, -halfHeight);
    EXPECT_EQ(quad.material.transparent, 0);

    const PackageEntryView* image = main.find(quad.texture);
    ASSERT_NE(image, nullptr);
    RgbaImage decoded;
    ASSERT_TRUE(decodeRgbaImage(image->data, static_cast<size_t>(image->size), decoded));
    for (int32_t y = 0; y < decoded.height; ++y) {
        for (int32_t x = 0; x < decoded.width; ++x) {
            ASSERT_EQ(decoded.pixels[y * decoded.pitch + x * 4 + 3], 255) << x << ", " << y;
        }
    }
}

// Vertices are compared exactly: the mesh repeats the very same doubles
// where its triangles meet.
using Point = std::tuple<double, double, double>;

TEST(RealPackages, HeartIsAClosedRoundSurfaceStandingOnZ) {
    const std::vector<Mesh> meshes = readModel(loadPackage("main.pak"), "serdce");
    ASSERT_EQ(meshes.size(), 1u);
    const Mesh& heart = meshes[0];
    const size_t triangles = heart.corners() / 3;
    // Round on a large screen, yet light for a software rasteriser: no
    // heavier than the heart the frame-rate figures were taken with.
    EXPECT_GT(triangles, 4000u);
    EXPECT_LE(triangles, 5888u);
    EXPECT_EQ(heart.material.transparent, 0);
    EXPECT_GT(heart.material.specular[0], 0.5f) << "glossy";
    EXPECT_GT(heart.material.shininess, 20.0f);

    std::map<std::pair<Point, Point>, int> edges;
    double volume = 0;
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9, minZ = 1e9, maxZ = -1e9;
    Point top{0, 0, -1e9};
    for (size_t t = 0; t < triangles; ++t) {
        Point p[3];
        double v[3][3];
        for (int k = 0; k < 3; ++k) {
            const double* q = &heart.positions[(t * 3 + k) * 3];
            p[k] = {q[0], q[1], q[2]};
            for (int c = 0; c < 3; ++c) v[k][c] = q[c];
            minX = std::min(minX, q[0]), maxX = std::max(maxX, q[0]);
            minY = std::min(minY, q[1]), maxY = std::max(maxY, q[1]);
            minZ = std::min(minZ, q[2]), maxZ = std::max(maxZ, q[2]);
            if (q[2] > std::get<2>(top)) top = p[k];
            const double* n = &heart.normals[(t * 3 + k) * 3];
            EXPECT_NEAR(n[0] * n[0] + n[1] * n[1] + n[2] * n[2], 1.0, 1e-9);
        }
        for (int k = 0; k < 3; ++k) {
            Point a = p[k], b = p[(k + 1) % 3];
            if (b < a) std::swap(a, b);
            ++edges[{a, b}];
        }
        // Winding: counter-clockwise from outside, and the smooth normals
        // agree with the face.
        const double e1[3] = {v[1][0] - v[0][0], v[1][1] - v[0][1], v[1][2] - v[0][2]};
        const double e2[3] = {v[2][0] - v[0][0], v[2][1] - v[0][1], v[2][2] - v[0][2]};
        const double face[3] = {e1[1] * e2[2] - e1[2] * e2[1], e1[2] * e2[0] - e1[0] * e2[2],
                                e1[0] * e2[1] - e1[1] * e2[0]};
        for (int k = 0; k < 3; ++k) {
            const double* n = &heart.normals[(t * 3 + k) * 3];
            EXPECT_GT(face[0] * n[0] + face[1] * n[1] + face[2] * n[2], 0.0) << "triangle " << t;
        }
        volume += (v[0][0] * (v[1][1] * v[2][2] - v[1][2] * v[2][1]) -
                   v[0][1] * (v[1][0] * v[2][2] - v[1][2] * v[2][0]) +
                   v[0][2] * (v[1][0] * v[2][1] - v[1][1] * v[2][0])) / 6;
    }
    for (const auto& [edge, uses] : edges) {
        ASSERT_EQ(uses, 2) << "an open or repeated edge";
    }
    EXPECT_GT(volume, 0.0) << "outward winding";
    // Upright along +Z, widest along X, thinnest along Y (the side the
    // viewer mostly sees); the highest points are the lobes, off the axis.
    EXPECT_GT(maxZ - minZ, 0.9 * (maxX - minX));
    EXPECT_LT(maxY - minY, 0.8 * (maxX - minX));
    EXPECT_GT(std::fabs(std::get<0>(top)), 0.2 * (maxX - minX));
    EXPECT_NEAR(minX, -maxX, 1e-9);
    EXPECT_NEAR(minY, -maxY, 1e-9);
}

TEST(RealPackages, SmallHeartIsASoftSpriteFacingTheViewerInWhiteLight) {
    const RealPackage main = loadPackage("main.pak");
    const std::vector<Mesh> meshes = readModel(main, "serdechko");
    ASSERT_EQ(meshes.size(), 1u);
    const Mesh& sprite = meshes[0];
    EXPECT_NE(sprite.material.transparent, 0);
    EXPECT_EQ(sprite.material.alphaTest, 0) << "soft edges, not cut at alpha 0.9";
    for (size_t i = 0; i < sprite.corners(); ++i) {
        EXPECT_EQ(sprite.positions[i * 3 + 2], 0.0);
        EXPECT_EQ(sprite.normals[i * 3 + 2], 1.0);
    }
    // Lit by the heart group: GL's ambient 0.2 and the light's 0.7 and 0.6
    // bring the material back to white, so the picture keeps its colours.
    for (int c = 0; c < 3; ++c) {
        EXPECT_NEAR(0.9 * sprite.material.ambient[c] + 0.6 * sprite.material.diffuse[c], 1.0, 0.02);
        EXPECT_EQ(sprite.material.specular[c], 0.0f);
    }
    const Extent solid = visibleExtent(main, sprite, 200);
    const Extent any = visibleExtent(main, sprite, 0);
    ASSERT_FALSE(solid.empty());
    EXPECT_GT(any.width(), solid.width()) << "a soft glow around the heart";
    EXPECT_NEAR((solid.left + solid.right) / 2, 0.0, 0.1) << "centred on its node";
}

TEST(RealPackages, EmblemIsARingOfFireAroundTheHeart) {
    const std::vector<Mesh> meshes = readModel(loadPackage("main.pak"), "nn");
    ASSERT_FALSE(meshes.empty());
    bool fire = false;
    for (const Mesh& mesh : meshes) {
        ProceduralTextureName parsed;
        std::string error;
        if (parseProceduralTextureName(mesh.texture, parsed, error) && parsed.kind == ProceduralKind::Fire) {
            fire = true;
        }
        EXPECT_NE(mesh.material.transparent, 0);
        // Mostly transparent: nothing covers the middle, where the heart is
        // (the node is scaled by 0.5, so the heart is about +-26 wide here).
        const double inside[][2] = {{0, 0}, {-20, 5}, {20, 5}, {0, -25}, {0, 10}, {-10, -10}};
        for (size_t t = 0; t < mesh.corners() / 3; ++t) {
            const double* a = &mesh.positions[t * 9];
            for (const auto& p : inside) {
                double sign[3];
                for (int k = 0; k < 3; ++k) {
                    const double* u = a + k * 3;
                    const double* v = a + ((k + 1) % 3) * 3;
                    sign[k] = (v[0] - u[0]) * (p[1] - u[1]) - (v[1] - u[1]) * (p[0] - u[0]);
                }
                const bool covered = (sign[0] >= 0 && sign[1] >= 0 && sign[2] >= 0) ||
                                     (sign[0] <= 0 && sign[1] <= 0 && sign[2] <= 0);
                EXPECT_FALSE(covered) << "triangle " << t << " covers (" << p[0] << ", " << p[1] << ")";
            }
        }
    }
    EXPECT_TRUE(fire) << "the emblem burns with the Fire texture";
}

}  // namespace
