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

#include "up_axis.h"

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
// name does not end with it (obj_export.h). `up` is the OBJ's up axis.
int pakExport(const std::string& packagePath, const std::string& entryName, const std::string& objPath,
              UpAxis up, std::ostream& out, std::ostream& err);

// Makes a package at `outputPath` from NAME=PATH arguments, in the order given.
int pakCreate(const std::string& outputPath, const std::vector<std::string>& entries,
              std::ostream& out, std::ostream& err);

// Imports models from NAME=PATH arguments (OBJ, glTF, GLB, ...; see
// model_import.h) into the package at `packagePath`: each becomes the model
// entry NAME and its images NAME_tex, NAME_tex2, ... as PNG. An image file
// (anything SDL_image decodes) becomes the image entry NAME: a PNG or BMP
// whose sides are powers of two as it is, others as PNG, resized. When the package
// exists, entries of those names are replaced where they stand and the rest
// kept; otherwise it is made. With `fitRadius` > 0 each model is centred and
// scaled into a sphere of that radius. `up` is the files' up axis. Nothing is
// written unless every model imports.
int pakImport(const std::string& packagePath, const std::vector<std::string>& models, double fitRadius,
              UpAxis up, std::ostream& out, std::ostream& err);

// Makes every sub-mesh of model entry `entryName` that uses texture `from`
// use `to` (retexture.h); the package is rewritten with the rest unchanged.
// Fails when no sub-mesh uses `from`; a `to` that names no entry yet is
// written and noted.
int pakRetexture(const std::string& packagePath, const std::string& entryName, const std::string& from,
                 const std::string& to, std::ostream& out, std::ostream& err);

// Every entry is a model that parses within its bounds or an image that
// decodes; every texture a model names is a generated texture with a usable
// name, or an entry of the same package that decodes as an image (the empty
// name draws untextured and needs no entry).
int pakCheck(const std::string& packagePath, std::ostream& out, std::ostream& err);
