#include "scene/transform.h"

#include <GL/gl.h>

void Transform::resetValues() {
    for (int i = 0; i < 3; ++i) {
        translation[i] = 0;
        rotation[i] = 0;
        scale[i] = 1;
    }
}

void Transform::setTranslation(double x, double y, double z) {
    translation[0] = x;
    translation[1] = y;
    translation[2] = z;
}

void Transform::setRotation(double x, double y, double z) {
    rotation[0] = x;
    rotation[1] = y;
    rotation[2] = z;
}

void Transform::setScale(double x, double y, double z) {
    scale[0] = x;
    scale[1] = y;
    scale[2] = z;
    scaled = true;
}

void Transform::translate(double dx, double dy, double dz) {
    translation[0] += dx;
    translation[1] += dy;
    translation[2] += dz;
}

void Transform::rotate(double dx, double dy, double dz) {
    rotation[0] += dx;
    rotation[1] += dy;
    rotation[2] += dz;
}

void Transform::applyTranslateRotate() const {
    if (translation[0] != 0 || translation[1] != 0 || translation[2] != 0) {
        glTranslatef(static_cast<float>(translation[0]), static_cast<float>(translation[1]),
                     static_cast<float>(translation[2]));
    }
    if (rotation[0] != 0) glRotatef(static_cast<float>(rotation[0]), 1, 0, 0);
    if (rotation[1] != 0) glRotatef(static_cast<float>(rotation[1]), 0, 1, 0);
    if (rotation[2] != 0) glRotatef(static_cast<float>(rotation[2]), 0, 0, 1);
}

void Transform::applyScale() const {
    glScaled(scale[0], scale[1], scale[2]);
}
