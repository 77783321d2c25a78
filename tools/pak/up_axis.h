// Which way is up. The show's heart stands on Z and faces -Y (its group is
// tilted back and spins about Z); glTF, and most modelling programs' OBJ
// exports, stand on Y and face +Z. Import and export turn between the two by
// a quarter turn about X, so a model stands upright on both sides.
#pragma once

enum class UpAxis { y, z };

// A file's (x, y, z), position or normal, in the show's frame, in place.
inline void toShowFrame(double* v, UpAxis fileUp) {
    if (fileUp == UpAxis::z) return;
    const double y = v[1];
    v[1] = -v[2];
    v[2] = y;
}

// The inverse: the show's (x, y, z) in the file's frame, in place.
inline void fromShowFrame(double* v, UpAxis fileUp) {
    if (fileUp == UpAxis::z) return;
    const double y = v[1];
    v[1] = v[2];
    v[2] = -y;
}
