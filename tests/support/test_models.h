// Small models, images and packages for tests: a square of two triangles
// facing +Z, a solid-colour 24-bit BMP image, and a package file written into
// a TempDir.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "mesh/model_writer.h"
#include "package/package_writer.h"
#include "common/temp_dir.h"

// A size x size square centred on the origin in the z = 0 plane, normals +Z,
// texture coordinates 0..1, white material.
SubMeshRecord squareRecord(const std::string& textureName, double size = 2.0,
                           bool transparent = false);

// Bytes of a width x height BMP file filled with one colour (24 bits).
std::vector<uint8_t> solidBmp(int width, int height, uint8_t red, uint8_t green, uint8_t blue);

// Writes `entries` as package `name` into `dir`; returns the directory path
// with a trailing separator, ready for TextureCache::setBasePath.
std::string writeTestPackage(const TempDir& dir, const std::string& name,
                             const std::vector<PackageEntry>& entries);
