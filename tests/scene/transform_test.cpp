#include "scene/transform.h"

#include <cmath>
#include <numbers>

#include "support/gl_test.h"

namespace {

using Matrix = std::array<double, 16>;  // column-major, as GL keeps it

Matrix multiply(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int col = 0; col < 4; ++col)
        for (int row = 0; row < 4; ++row)
            for (int k = 0; k < 4; ++k) r[col * 4 + row] += a[k * 4 + row] * b[col * 4 + k];
    return r;
}

Matrix identity() {
    Matrix m{};
    m[0] = m[5] = m[10] = m[15] = 1;
    return m;
}

Matrix translation(double x, double y, double z) {
    Matrix m = identity();
    m[12] = x;
    m[13] = y;
    m[14] = z;
    return m;
}

// Rotation by `degrees` about a unit axis, as glRotate defines it.
Matrix rotation(double degrees, int axis) {
    const double r = degrees * std::numbers::pi / 180.0, c = std::cos(r), s = std::sin(r);
    Matrix m = identity();
    const int i = (axis + 1) % 3, j = (axis + 2) % 3;
    m[i * 4 + i] = c;
    m[j * 4 + j] = c;
    m[i * 4 + j] = s;   // column i, row j
    m[j * 4 + i] = -s;  // column j, row i
    return m;
}

void expectMatrixNear(const Matrix& actual, const Matrix& expected) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(actual[i], expected[i], 1e-5) << "element " << i;
}

class TransformTest : public GlTest {};

TEST_F(TransformTest, TranslatesThenRotatesAboutXThenYThenZ) {
    Transform t;
    t.setTranslation(1.5, -2, 7);
    t.setRotation(30, 45, 60);
    t.applyTranslateRotate();
    const Matrix expected = multiply(
        multiply(multiply(translation(1.5, -2, 7), rotation(30, 0)), rotation(45, 1)),
        rotation(60, 2));
    expectMatrixNear(modelview(), expected);
}

TEST_F(TransformTest, SkipsZeroPartsAndNeverAppliesTheScale) {
    Transform t;
    t.applyTranslateRotate();
    expectMatrixNear(modelview(), identity());

    t.setScale(3, 3, 3);
    t.setRotation(0, 180, 0);
    t.applyTranslateRotate();
    expectMatrixNear(modelview(), rotation(180, 1));
}

TEST_F(TransformTest, ApplyScaleScalesByAllThreeFactors) {
    Transform t;
    t.setScale(2, 0.5, 4);
    t.applyScale();
    Matrix expected = identity();
    expected[0] = 2;
    expected[5] = 0.5;
    expected[10] = 4;
    expectMatrixNear(modelview(), expected);
}

TEST(Transform, ScaledFlagSurvivesEverythingButConstruction) {
    Transform t;
    EXPECT_FALSE(t.isScaled());
    t.setScale(1, 1, 1);
    EXPECT_TRUE(t.isScaled());
    t.setScale(2, 3, 4);
    t.resetValues();
    EXPECT_TRUE(t.isScaled());
    EXPECT_EQ(t.scale[0], 1);
    EXPECT_EQ(t.scale[2], 1);
}

TEST(Transform, TranslateAndRotateAccumulate) {
    Transform t;
    t.rotate(0, 0, 10);
    t.rotate(0, 0, 10);
    t.translate(1, 2, 3);
    t.translate(1, 2, 3);
    EXPECT_EQ(t.rotation[2], 20);
    EXPECT_EQ(t.translation[0], 2);
    EXPECT_EQ(t.translation[2], 6);
    t.setTranslation(0, 0, 5);
    EXPECT_EQ(t.translation[0], 0);
    EXPECT_EQ(t.translation[2], 5);
}

}  // namespace
