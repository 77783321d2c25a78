// pak import: models and images into a package (pak_commands.h).
#include <filesystem>
#include <iostream>
#include <set>
#include <system_error>

#include "common/png_writer.h"
#include "common/whole_file.h"
#include "mesh/model_writer.h"
#include "model_import.h"
#include "package/package_writer.h"
#include "package/png_decode.h"
#include "package/quoted_name.h"
#include "pak_commands.h"
#include "pak_files.h"

namespace {

// Above this, the show slows down on machines without a GPU.
constexpr int64_t heavyModelTriangles = 50000;

void reportSize(std::ostream& out, const ImportedImage& image) {
    out << image.sourceWidth << " x " << image.sourceHeight;
    if (image.width != image.sourceWidth || image.height != image.sourceHeight) {
        out << ", resized to " << image.width << " x " << image.height << " (powers of two)";
    }
    out << "\n";
}

// Puts `entry` in the place of the entry of its name, or adds it at the end.
// True when it replaced one.
bool putEntry(std::vector<PackageEntry>& entries, PackageEntry entry) {
    for (PackageEntry& existing : entries) {
        if (existing.name == entry.name) {
            existing.data = std::move(entry.data);
            return true;
        }
    }
    entries.push_back(std::move(entry));
    return false;
}

// True when every entry can be written; otherwise one line on `err`.
bool validEntries(const std::vector<PackageEntry>& entries, const std::string& path, std::ostream& err) {
    for (const PackageEntry& entry : entries) {
        std::string error;
        if (!validPackageEntry(entry, error)) {
            err << "pak: " << path << ": " << error << "\n";
            return false;
        }
    }
    return true;
}

// Imports one model into entries (the model's and its images'); false, with
// one line on `err` naming the file, when it cannot.
bool importEntries(const std::string& name, const std::string& path, double fitRadius, UpAxis up,
                   std::vector<PackageEntry>& made, std::ostream& out, std::ostream& err) {
    std::vector<uint8_t> bytes;
    std::string error;
    if (!readWholeFile(path, bytes, error)) {
        err << "pak: " << error << "\n";
        return false;
    }
    ImportedImage image;
    image.source = path;
    if (importImage(bytes.data(), bytes.size(), image)) {
        const bool resized = image.width != image.sourceWidth || image.height != image.sourceHeight;
        // Only a plain PNG (8-bit RGB or RGBA without a transparent colour)
        // is kept as it is: every build's decoder reads it alike. Any other
        // PNG (a palette with a transparent index, a colour key, 16 bits) and
        // every other format become a plain PNG of the pixels SDL_image gave
        // here, which the Windows build, decoding with libpng alone, then
        // shows the same.
        PlainPng plain;
        const bool keep = !resized && decodePlainPng(bytes.data(), bytes.size(), plain);
        made.push_back({name, keep ? bytes : encodePng(image.width, image.height, image.rgba, !hasSeeThroughPixels(image.rgba))});
        if (!validEntries(made, path, err)) return false;
        out << quotedName(name) << ": image " << path << ", ";
        reportSize(out, image);
        return true;
    }
    ImportOptions options;
    options.entryName = name;
    options.fitRadius = fitRadius;
    options.up = up;
    ImportedModel model;
    if (!importModel(path, options, model, error)) {
        err << "pak: " << path << ": " << error << "\n";
        return false;
    }
    made.push_back({name, writeModelEntry(model.subMeshes)});
    for (const ImportedImage& image : model.images) {
        made.push_back({image.entryName, encodePng(image.width, image.height, image.rgba, !hasSeeThroughPixels(image.rgba))});
    }
    if (!validEntries(made, path, err)) return false;
    out << quotedName(name) << ": " << path << ": " << model.triangleCount << " triangles in "
        << model.subMeshes.size() << " sub-meshes, radius " << model.radius;
    if (fitRadius > 0) out << " fitted to " << fitRadius;
    out << "\n";
    if (model.triangleCount > heavyModelTriangles) {
        out << "note: a model of a few thousand triangles draws fastest on software GL (the heart has 5,900)\n";
    }
    for (const ImportedImage& image : model.images) {
        out << quotedName(image.entryName) << ": texture " << quotedName(image.source) << ", ";
        reportSize(out, image);
    }
    return true;
}

}  // namespace

int pakImport(const std::string& packagePath, const std::vector<std::string>& models, double fitRadius,
              UpAxis up, std::ostream& out, std::ostream& err) {
    std::vector<PackageEntry> entries;
    std::error_code missing;
    if (std::filesystem::exists(packagePath, missing)) {
        LoadedPackage package;
        if (!loadPackage(packagePath, package, err)) return 1;
        for (const PackageEntryView& view : package.entries) {
            entries.push_back({view.name, std::vector<uint8_t>(view.data, view.data + view.size)});
        }
    }
    int replaced = 0, added = 0;
    std::set<std::string> seen;
    for (const std::string& argument : models) {
        std::string name, path;
        if (!splitNamePath(argument, name, path, err)) return 1;
        std::vector<PackageEntry> made;
        try {
            if (!importEntries(name, path, fitRadius, up, made, out, err)) return 1;
        } catch (const std::exception& e) {  // the PNG encoder's or an allocation's failure
            err << "pak: " << path << ": " << e.what() << "\n";
            return 1;
        }
        for (PackageEntry& entry : made) {
            if (!seen.insert(entry.name).second) {
                err << "pak: entry " << quotedName(entry.name) << " would be made twice\n";
                return 1;
            }
            (putEntry(entries, std::move(entry)) ? replaced : added)++;
        }
    }
    std::string error;
    if (!writePackageFile(packagePath, entries, error)) {
        err << "pak: " << error << "\n";
        return 1;
    }
    out << packagePath << ": " << entries.size() << " entries (" << replaced << " replaced, " << added
        << " added)\n";
    return 0;
}
