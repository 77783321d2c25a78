// pak: lists, extracts, exports, creates, imports into, retextures and checks the package files of the
// screensaver. See pak_commands.h for what each command does.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "pak_commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Lists, extracts, creates and checks Amber Bell package files"};
    app.require_subcommand(1);

    std::string package, entry, output;
    std::vector<std::string> entries;
    // The model files' up axis: Y for glTF and most OBJ exports; the show's models stand on Z.
    std::string upName = "y";
    const char* upHelp = "The file's up axis: y (glTF, most OBJ exports) or z (as the package stores it)";

    CLI::App* list = app.add_subcommand("list", "Show every entry: name, size and what it is");
    list->add_option("FILE", package, "Package file")->required();

    CLI::App* extract = app.add_subcommand("extract", "Write one entry's bytes to a file");
    extract->add_option("FILE", package, "Package file")->required();
    extract->add_option("ENTRY", entry, "Entry name (exact, case-sensitive)")->required();
    extract->add_option("OUT", output, "Output file, - for standard output (default: the entry name)");

    CLI::App* exporter = app.add_subcommand("export", "Write a model entry as a Wavefront OBJ (with .mtl and textures)");
    exporter->add_option("FILE", package, "Package file")->required();
    exporter->add_option("ENTRY", entry, "Model entry name (exact, case-sensitive)")->required();
    exporter->add_option("OUT", output, "OBJ file to write")->required();
    exporter->add_option("--up", upName, upHelp)->check(CLI::IsMember({"y", "z"}));

    CLI::App* create = app.add_subcommand("create", "Make a package from files");
    create->add_option("OUT", output, "Package file to write")->required();
    create->add_option("ENTRIES", entries, "NAME=PATH, one per entry, in package order")
        ->required();

    double fitRadius = 0;
    CLI::App* importer =
        app.add_subcommand("import", "Add models (OBJ, glTF, GLB) with their textures, or images, to a package");
    importer->add_option("OUT", output, "Package file: entries of the same names are replaced, others kept")
        ->required();
    importer->add_option("FILES", entries, "NAME=FILE, one per entry: a model, or an image")->required();
    importer->add_option("--fit", fitRadius,
                         "Centre and scale each model into a sphere of radius R (21.2 matches the heart)")
        ->check(CLI::PositiveNumber);
    importer->add_option("--up", upName, upHelp)->check(CLI::IsMember({"y", "z"}));

    std::string from, to;
    CLI::App* retexture = app.add_subcommand("retexture", "Give a model's sub-meshes another texture");
    retexture->add_option("FILE", package, "Package file")->required();
    retexture->add_option("ENTRY", entry, "Model entry name")->required();
    retexture->add_option("FROM", from, "The texture name the sub-meshes use now")->required();
    retexture->add_option("TO", to, "The texture name they use instead (an image entry or a generated texture)")
        ->required();

    CLI::App* check = app.add_subcommand("check", "Check that every model and its textures load");
    check->add_option("FILE", package, "Package file")->required();

    CLI11_PARSE(app, argc, argv);
    const UpAxis up = upName == "z" ? UpAxis::z : UpAxis::y;

    if (list->parsed()) return pakList(package, std::cout, std::cerr);
    if (extract->parsed()) return pakExtract(package, entry, output, std::cout, std::cerr);
    if (exporter->parsed()) return pakExport(package, entry, output, up, std::cout, std::cerr);
    if (create->parsed()) return pakCreate(output, entries, std::cout, std::cerr);
    if (retexture->parsed()) return pakRetexture(package, entry, from, to, std::cout, std::cerr);
    if (importer->parsed()) return pakImport(output, entries, fitRadius, up, std::cout, std::cerr);
    return pakCheck(package, std::cout, std::cerr);
}
