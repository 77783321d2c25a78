// Transform: where something sits relative to its parent's frame.
// Translation in scene units, rotation in degrees about X, Y and Z, scale
// factors per axis. A node holds one as its own placement; a ControllerSet
// holds one as the per-frame animation offset its calls rebuild.
#pragma once

class Transform {
public:
    Transform() = default;

    // Translation 0, rotation 0, scale 1; `scaled` stays as it is.
    void resetValues();
    void setTranslation(double x, double y, double z);
    void setRotation(double x, double y, double z);
    // Also sets `scaled`; nothing but construction clears it again.
    void setScale(double x, double y, double z);
    void translate(double dx, double dy, double dz);
    void rotate(double dx, double dy, double dz);

    // Multiplies translation, then rotation about X, Y and Z onto the current
    // GL matrix (float precision), skipping every zero part. Never the scale.
    void applyTranslateRotate() const;
    // glScaled with the three factors.
    void applyScale() const;
    bool isScaled() const { return scaled; }

    bool scaled = false;
    double translation[3] = {0, 0, 0};
    double rotation[3] = {0, 0, 0};  // degrees
    double scale[3] = {1, 1, 1};
};
