#include "pak_commands.h"

#include <filesystem>
#include <iostream>
#include <map>
#include <set>

#include "common/whole_file.h"
#include "mesh/model_entry.h"
#include "obj_export.h"
#include "pak_files.h"
#include "retexture.h"
#include "mesh/sub_mesh_record.h"
#include "package/image_decode.h"
#include "package/package_reader.h"
#include "package/package_writer.h"
#include "package/quoted_name.h"
#include "proctex/procedural_name.h"

namespace {

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
        if (!readWholeFile(source, entry.data, error)) {
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
