#include "pak_commands.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <limits>
#include <map>
#include <set>

#include "mesh/model_entry.h"
#include "mesh/model_writer.h"
#include "model_import.h"
#include "obj_export.h"
#include "png_writer.h"
#include "retexture.h"
#include "mesh/sub_mesh_record.h"
#include "package/image_decode.h"
#include "package/package_reader.h"
#include "package/package_writer.h"
#include "package/quoted_name.h"
#include "proctex/procedural_name.h"

namespace {

bool readFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot open " + path + ": " + std::strerror(errno);
        return false;
    }
    bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (file.bad()) {
        error = "cannot read " + path;
        return false;
    }
    return true;
}

// A package read and parsed; `entries` point into `bytes`.
struct LoadedPackage {
    std::vector<uint8_t> bytes;
    std::vector<PackageEntryView> entries;
};

bool loadPackage(const std::string& path, LoadedPackage& package, std::ostream& err) {
    std::string error;
    if (!readFile(path, package.bytes, error)) {
        err << "pak: " << error << "\n";
        return false;
    }
    if (!readPackageEntries(package.bytes.data(), package.bytes.size(), package.entries, error)) {
        err << "pak: " << path << ": " << error << "\n";
        return false;
    }
    return true;
}

const PackageEntryView* findEntry(const LoadedPackage& package, const std::string& name) {
    for (const PackageEntryView& entry : package.entries) {
        if (entry.name == name) return &entry;
    }
    return nullptr;
}

// Loads the package and finds the entry; null, with one line on `err`, when
// either fails.
const PackageEntryView* loadEntry(const std::string& path, const std::string& name, LoadedPackage& package,
                                  std::ostream& err) {
    if (!loadPackage(path, package, err)) return nullptr;
    const PackageEntryView* entry = findEntry(package, name);
    if (!entry) err << "pak: " << path << ": no entry " << quotedName(name) << "\n";
    return entry;
}

bool decodes(const PackageEntryView& entry, RgbaImage& image) {
    return decodeRgbaImage(entry.data, static_cast<size_t>(entry.size), image);
}

std::string describe(const PackageEntryView& entry) {
    ModelInfo model;
    std::string error;
    if (inspectModel(entry.data, static_cast<size_t>(entry.size), model, error)) {
        std::string text = "model: " + std::to_string(model.subMeshCount) + " sub-meshes, " +
                           std::to_string(model.triangleCount) + " triangles, textures";
        if (model.textureNames.empty()) text += " (none)";
        for (size_t i = 0; i < model.textureNames.size(); ++i) {
            const std::string& name = model.textureNames[i];
            text += (i ? ", " : " ") + (name.empty() ? std::string("(none)") : quotedName(name));
        }
        return text;
    }
    RgbaImage image;
    if (decodes(entry, image)) {
        return "image: " + std::to_string(image.width) + " x " + std::to_string(image.height);
    }
    return "unreadable (as a model: " + error + ")";
}

// A file name for an entry: path separators and leading dots made harmless,
// so extracting a hostile name never writes outside the current directory.
std::string safeFileName(const std::string& name) {
    std::string out;
    for (char c : name) out += (c == '/' || c == '\\' || c == '\0') ? '_' : c;
    if (out.empty() || out[0] == '.') out.insert(out.begin(), '_');
    return out;
}

// Writes `size` bytes to `path`; false, with one line on `err`, on failure.
bool writeFile(const std::string& path, const void* data, size_t size, std::ostream& err) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    file.close();
    if (file) return true;
    err << "pak: cannot write " << path << "\n";
    return false;
}

// The file-name extension model viewers expect for an image's bytes.
std::string imageExtension(const uint8_t* d, size_t size) {
    if (size >= 4 && d[0] == 0x89 && d[1] == 'P' && d[2] == 'N' && d[3] == 'G') return ".png";
    if (size >= 2 && d[0] == 'B' && d[1] == 'M') return ".bmp";
    if (size >= 2 && d[0] == 0xFF && d[1] == 0xD8) return ".jpg";
    return ".img";
}
std::string imageExtension(const std::vector<uint8_t>& bytes) {
    return imageExtension(bytes.data(), bytes.size());
}

// The problems of one model entry, one line each; none when it is sound.
void checkModel(const std::string& path, const LoadedPackage& package,
                const PackageEntryView& entry, const ModelInfo& model,
                std::vector<std::string>& problems) {
    const std::string where = path + ": entry " + quotedName(entry.name) + ": ";
    for (const std::string& texture : model.textureNames) {
        if (texture.empty()) continue;
        if (isProceduralTextureName(texture.c_str())) {
            ProceduralTextureName parsed;
            std::string why;
            if (!parseProceduralTextureName(texture, parsed, why)) {
                problems.push_back(where + "generated texture " + quotedName(texture) +
                                   " cannot be made: " + why);
            }
            continue;
        }
        const PackageEntryView* image = findEntry(package, texture);
        RgbaImage decoded;
        if (!image) {
            problems.push_back(where + "texture " + quotedName(texture) +
                               " is missing from the package");
        } else if (!decodes(*image, decoded)) {
            problems.push_back(where + "texture " + quotedName(texture) +
                               " is not an image SDL_image can decode");
        }
    }
}

// Splits a NAME=PATH argument; false, with one line on `err`, when it is not one.
bool splitNamePath(const std::string& argument, std::string& name, std::string& path, std::ostream& err) {
    const size_t equals = argument.find('=');
    if (equals == std::string::npos || equals == 0) {
        err << "pak: " << quotedName(argument) << " is not NAME=PATH\n";
        return false;
    }
    name = argument.substr(0, equals);
    path = argument.substr(equals + 1);
    return true;
}

void reportSize(std::ostream& out, const ImportedImage& image) {
    out << image.sourceWidth << " x " << image.sourceHeight;
    if (image.width != image.sourceWidth || image.height != image.sourceHeight) {
        out << ", resized to " << image.width << " x " << image.height << " (powers of two)";
    }
    out << "\n";
}

bool opaque(const std::vector<uint8_t>& rgba) {
    for (size_t i = 3; i < rgba.size(); i += 4) {
        if (rgba[i] != 255) return false;
    }
    return true;
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
    if (!readFile(path, bytes, error)) {
        err << "pak: " << error << "\n";
        return false;
    }
    ImportedImage image;
    image.source = path;
    if (importImage(bytes.data(), bytes.size(), image)) {
        const bool resized = image.width != image.sourceWidth || image.height != image.sourceHeight;
        // A PNG file is kept as it is: every build's decoder reads any PNG.
        // Other formats become PNG (without SDL_image, a build reads BMP
        // through SDL alone, which refuses compressed ones).
        const bool keep = !resized && imageExtension(bytes) == ".png";
        made.push_back({name, keep ? bytes : encodePng(image.width, image.height, image.rgba, opaque(image.rgba))});
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
        made.push_back({image.entryName, encodePng(image.width, image.height, image.rgba, opaque(image.rgba))});
    }
    if (!validEntries(made, path, err)) return false;
    out << quotedName(name) << ": " << path << ": " << model.triangleCount << " triangles in "
        << model.subMeshes.size() << " sub-meshes, radius " << model.radius;
    if (fitRadius > 0) out << " fitted to " << fitRadius;
    out << "\n";
    for (const ImportedImage& image : model.images) {
        out << quotedName(image.entryName) << ": texture " << quotedName(image.source) << ", ";
        reportSize(out, image);
    }
    return true;
}

}  // namespace

int pakList(const std::string& packagePath, std::ostream& out, std::ostream& err) {
    LoadedPackage package;
    if (!loadPackage(packagePath, package, err)) return 1;
    for (const PackageEntryView& entry : package.entries) {
        out << quotedName(entry.name) << "\t" << entry.size << "\t" << describe(entry) << "\n";
    }
    return 0;
}

int pakExtract(const std::string& packagePath, const std::string& entryName,
               const std::string& outputPath, std::ostream& out, std::ostream& err) {
    LoadedPackage package;
    const PackageEntryView* entry = loadEntry(packagePath, entryName, package, err);
    if (!entry) return 1;
    const char* data = reinterpret_cast<const char*>(entry->data);
    if (outputPath == "-") {
        out.write(data, entry->size);
        return out ? 0 : 1;
    }
    const std::string target = outputPath.empty() ? safeFileName(entryName) : outputPath;
    return writeFile(target, data, static_cast<size_t>(entry->size), err) ? 0 : 1;
}

int pakExport(const std::string& packagePath, const std::string& entryName, const std::string& objPath,
              UpAxis up, std::ostream& out, std::ostream& err) {
    LoadedPackage package;
    const PackageEntryView* entry = loadEntry(packagePath, entryName, package, err);
    if (!entry) return 1;
    const std::string where = packagePath + ": entry " + quotedName(entryName) + ": ";
    const size_t size = static_cast<size_t>(entry->size);
    ModelInfo model;
    std::string error;
    if (!inspectModel(entry->data, size, model, error)) {
        err << "pak: " << where << "not a model: " << error << "\n";
        return 1;
    }
    const std::filesystem::path obj(objPath);
    const std::string stem = obj.stem().string();
    std::map<std::string, std::string> textureFiles;
    for (const std::string& texture : model.textureNames) {
        const PackageEntryView* image = isProceduralTextureName(texture.c_str()) ? nullptr : findEntry(package, texture);
        if (!image) continue;
        std::string name = stem + "_" + safeFileName(texture);
        const std::string extension = imageExtension(image->data, static_cast<size_t>(image->size));
        if (!name.ends_with(extension)) name += extension;
        if (!writeFile((obj.parent_path() / name).string(), image->data, static_cast<size_t>(image->size), err)) {
            return 1;
        }
        textureFiles[texture] = name;
    }
    ObjFiles files;
    if (!exportObj(entry->data, size, stem + ".mtl", textureFiles, files, error, up)) {
        err << "pak: " << where << error << "\n";
        return 1;
    }
    const std::string mtlPath = (obj.parent_path() / (stem + ".mtl")).string();
    if (!writeFile(objPath, files.obj.data(), files.obj.size(), err) ||
        !writeFile(mtlPath, files.mtl.data(), files.mtl.size(), err)) {
        return 1;
    }
    out << objPath << ": " << model.subMeshCount << " sub-meshes, " << model.triangleCount << " triangles, "
        << textureFiles.size() << " texture files\n";
    return 0;
}

int pakCreate(const std::string& outputPath, const std::vector<std::string>& arguments,
              std::ostream& out, std::ostream& err) {
    std::vector<PackageEntry> entries;
    std::set<std::string> seen;
    for (const std::string& argument : arguments) {
        PackageEntry entry;
        std::string source;
        if (!splitNamePath(argument, entry.name, source, err)) return 1;
        if (!seen.insert(entry.name).second) {
            err << "pak: entry " << quotedName(entry.name)
                << " is given twice; a package finds only the first\n";
            return 1;
        }
        std::string error;
        if (!readFile(source, entry.data, error)) {
            err << "pak: " << error << "\n";
            return 1;
        }
        if (!validPackageEntry(entry, error)) {
            err << "pak: " << error << "\n";
            return 1;
        }
        entries.push_back(std::move(entry));
    }
    std::string error;
    if (!writePackageFile(outputPath, entries, error)) {
        err << "pak: " << error << "\n";
        return 1;
    }
    out << outputPath << ": " << entries.size() << " entries\n";
    return 0;
}

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

int pakRetexture(const std::string& packagePath, const std::string& entryName, const std::string& from,
                 const std::string& to, std::ostream& out, std::ostream& err) {
    LoadedPackage package;
    const PackageEntryView* entry = loadEntry(packagePath, entryName, package, err);
    if (!entry) return 1;
    const std::string where = packagePath + ": entry " + quotedName(entryName) + ": ";
    std::vector<uint8_t> renamed;
    int count = 0;
    std::string error;
    if (!renameTexture(entry->data, static_cast<size_t>(entry->size), from, to, renamed, count, error)) {
        err << "pak: " << where << error << "\n";
        return 1;
    }
    if (count == 0) {
        err << "pak: " << where << "no sub-mesh uses texture " << quotedName(from) << "\n";
        return 1;
    }
    ProceduralTextureName generated;
    if (isProceduralTextureName(to.c_str()) && !parseProceduralTextureName(to, generated, error)) {
        err << "pak: generated texture " << quotedName(to) << " cannot be made: " << error << "\n";
        return 1;
    }
    std::vector<PackageEntry> entries;
    for (const PackageEntryView& view : package.entries) {
        entries.push_back({view.name, view.data == entry->data ? renamed
                                                               : std::vector<uint8_t>(view.data, view.data + view.size)});
    }
    if (!writePackageFile(packagePath, entries, error)) {
        err << "pak: " << error << "\n";
        return 1;
    }
    out << where << count << " sub-meshes now use " << quotedName(to) << "\n";
    if (!to.empty() && !isProceduralTextureName(to.c_str()) && !findEntry(package, to)) {
        err << "pak: " << where << "note: the package has no entry " << quotedName(to) << " yet\n";
    }
    return 0;
}

int pakCheck(const std::string& packagePath, std::ostream& out, std::ostream& err) {
    LoadedPackage package;
    if (!loadPackage(packagePath, package, err)) return 1;
    std::vector<std::string> problems;
    int models = 0, images = 0;
    for (const PackageEntryView& entry : package.entries) {
        ModelInfo model;
        std::string modelError;
        RgbaImage image;
        if (inspectModel(entry.data, static_cast<size_t>(entry.size), model, modelError)) {
            ++models;
            checkModel(packagePath, package, entry, model, problems);
        } else if (decodes(entry, image)) {
            ++images;
        } else {
            problems.push_back(packagePath + ": entry " + quotedName(entry.name) +
                               ": neither an image nor a sound model (" + modelError + ")");
        }
    }
    for (const std::string& problem : problems) err << "pak: " << problem << "\n";
    if (!problems.empty()) return 1;
    out << packagePath << ": " << package.entries.size() << " entries (" << models << " models, "
        << images << " images), all sound\n";
    return 0;
}
