// pak: lists, extracts, exports, creates, imports into, retextures and checks the package files of the
// screensaver. See pak_commands.h for what each command does.
#include <CLI/CLI.hpp>

#include <iostream>
#include <string>
#include <vector>

#include "pak_commands.h"

namespace {

// The words of the command line, filled in by parsing.
struct PakArguments {
    std::string package, entry, output, from, to;
    std::vector<std::string> entries;
    // The model files' up axis: Y for glTF and most OBJ exports; the show's models stand on Z.
    std::string upName = "y";
    double fitRadius = 0;
};

const char* const upHelp = "The file's up axis: y (glTF, most OBJ exports) or z (as the package stores it)";

struct PakCommands {
    CLI::App* list;
    CLI::App* extract;
    CLI::App* exporter;
    CLI::App* create;
    CLI::App* importer;
    CLI::App* retexture;
    CLI::App* check;
};

// list, extract and export: reading a package.
void addReadingCommands(CLI::App& app, PakArguments& args, PakCommands& commands) {
    commands.list = app.add_subcommand("list", "Show every entry: name, size and what it is");
    commands.list->add_option("FILE", args.package, "Package file")->required();

    commands.extract = app.add_subcommand("extract", "Write one entry's bytes to a file");
    commands.extract->add_option("FILE", args.package, "Package file")->required();
    commands.extract->add_option("ENTRY", args.entry, "Entry name (exact, case-sensitive)")->required();
    commands.extract->add_option("OUT", args.output, "Output file, - for standard output (default: the entry name)");

    CLI::App* exporter =
        app.add_subcommand("export", "Write a model entry as a Wavefront OBJ (with .mtl and textures)");
    exporter->add_option("FILE", args.package, "Package file")->required();
    exporter->add_option("ENTRY", args.entry, "Model entry name (exact, case-sensitive)")->required();
    exporter->add_option("OUT", args.output, "OBJ file to write")->required();
    exporter->add_option("--up", args.upName, upHelp)->check(CLI::IsMember({"y", "z"}));
    commands.exporter = exporter;
}

// create, import and retexture: writing one.
void addWritingCommands(CLI::App& app, PakArguments& args, PakCommands& commands) {
    commands.create = app.add_subcommand("create", "Make a package from files");
    commands.create->add_option("OUT", args.output, "Package file to write")->required();
    commands.create->add_option("ENTRIES", args.entries, "NAME=PATH, one per entry, in package order")
        ->required();

    CLI::App* importer =
        app.add_subcommand("import", "Add models (OBJ, glTF, GLB) with their textures, or images, to a package");
    importer->add_option("OUT", args.output, "Package file: entries of the same names are replaced, others kept")
        ->required();
    importer->add_option("FILES", args.entries, "NAME=FILE, one per entry: a model, or an image")->required();
    importer->add_option("--fit", args.fitRadius,
                         "Centre and scale each model into a sphere of radius R (21.2 matches the heart)")
        ->check(CLI::PositiveNumber);
    importer->add_option("--up", args.upName, upHelp)->check(CLI::IsMember({"y", "z"}));
    commands.importer = importer;

    CLI::App* retexture = app.add_subcommand("retexture", "Give a model's sub-meshes another texture");
    retexture->add_option("FILE", args.package, "Package file")->required();
    retexture->add_option("ENTRY", args.entry, "Model entry name")->required();
    retexture->add_option("FROM", args.from, "The texture name the sub-meshes use now")->required();
    retexture->add_option("TO", args.to, "The texture name they use instead (an image entry or a generated texture)")
        ->required();
    commands.retexture = retexture;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Lists, extracts, creates and checks Amber Bell package files"};
    app.require_subcommand(1);
    PakArguments args;
    PakCommands commands;
    addReadingCommands(app, args, commands);
    addWritingCommands(app, args, commands);
    commands.check = app.add_subcommand("check", "Check that every model and its textures load");
    commands.check->add_option("FILE", args.package, "Package file")->required();

    CLI11_PARSE(app, argc, argv);
    const UpAxis up = args.upName == "z" ? UpAxis::z : UpAxis::y;

    std::ostream& out = std::cout;
    std::ostream& err = std::cerr;
    if (commands.list->parsed()) return pakList(args.package, out, err);
    if (commands.extract->parsed()) return pakExtract(args.package, args.entry, args.output, out, err);
    if (commands.exporter->parsed()) return pakExport(args.package, args.entry, args.output, up, out, err);
    if (commands.create->parsed()) return pakCreate(args.output, args.entries, out, err);
    if (commands.retexture->parsed()) return pakRetexture(args.package, args.entry, args.from, args.to, out, err);
    if (commands.importer->parsed()) return pakImport(args.output, args.entries, args.fitRadius, up, out, err);
    return pakCheck(args.package, out, err);
}
