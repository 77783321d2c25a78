// The commands of the `pak` tool, one function each. They print results to
// `out`, problems to `err` (one line each, naming the file and the entry) and
// return the process exit status: 0 on success, 1 otherwise.
//
// No GL: models are inspected by parsing (mesh/model_entry.h) and images are
// decoded with SDL_image without uploading (package/image_decode.h).
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Every entry: name, size in bytes, and what it is (a model with its sub-mesh
// count, triangle count and texture names; an image with its size; or
// unreadable).
int pakList(const std::string& packagePath, std::ostream& out, std::ostream& err);

// Writes the bytes of the first entry called `entryName` to `outputPath`
// ("-" for standard output; empty: the entry name, made safe as a file name,
// in the current directory).
int pakExtract(const std::string& packagePath, const std::string& entryName,
               const std::string& outputPath, std::ostream& out, std::ostream& err);

// Writes the model entry `entryName` as a Wavefront OBJ at `objPath`, its
// materials as <stem>.mtl beside it, and each image entry it uses as
// <stem>_<texture name> there too, with .png, .bmp or .jpg added when the
// name does not end with it (obj_export.h).
int pakExport(const std::string& packagePath, const std::string& entryName, const std::string& objPath,
              std::ostream& out, std::ostream& err);

// Makes a package at `outputPath` from NAME=PATH arguments, in the order given.
int pakCreate(const std::string& outputPath, const std::vector<std::string>& entries,
              std::ostream& out, std::ostream& err);

// Every entry is a model that parses within its bounds or an image that
// decodes; every texture a model names is a generated texture with a usable
// name, or an entry of the same package that decodes as an image.
int pakCheck(const std::string& packagePath, std::ostream& out, std::ostream& err);
