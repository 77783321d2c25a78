// amber-snapshot: renders the show offscreen and writes what it looks like.
//
//   amber-snapshot -o show.png                      default settings, 5 s in
//   amber-snapshot -o clock.png --clock analog --calendar russian --fps on
//   amber-snapshot -o f.png --at 4000 --every 40     f_00040.png, f_00080.png, ...
//   amber-snapshot -o h.png --heart-only             the heart alone, on black
//   amber-snapshot --preview build/saver/preview.ppk
//
// The show runs exactly as on screen (scene assembly, frames, procedural
// textures, shutdown) on offscreen EGL, with frames --step ms apart up to --at ms,
// the random generator seeded with --seed and the local time fixed by
// --time (it advances with the show time).
#include <CLI/CLI.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "common/png_writer.h"
#include "common/whole_file.h"
#include "picture.h"
#include "platform/paths.h"
#include "settings/show_choices.h"
#include "snapshot.h"

namespace {

constexpr int32_t previewWidth = 152, previewHeight = 112, previewSupersample = 4;

bool writePicture(const std::string& path, const Picture& picture) {
    std::string error;
    if (!writeWholeFile(path, encodePng(picture.width, picture.height, picture.rgba, true), error)) {
        std::fprintf(stderr, "amber-snapshot: %s\n", error.c_str());
        return false;
    }
    return true;
}

// "dir/name.png" and tick 40 make "dir/name_00040.png".
std::string framePath(const std::string& out, uint32_t ticks) {
    const size_t dot = out.rfind('.');
    const size_t slash = out.rfind('/');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    const std::string stem = hasExtension ? out.substr(0, dot) : out;
    char number[16];
    std::snprintf(number, sizeof number, "_%05u", ticks);
    return stem + number + (hasExtension ? out.substr(dot) : ".png");
}

// The packages beside the program, or in the build's saver/ beside it, or
// where the install put the show's data.
std::string defaultSaverDir() {
    const std::string here = platform::executableDirectory();
    if (here.empty()) return "build/saver/";
    for (const std::string& folder : {here, here + "saver/"}) {
        if (std::filesystem::exists(folder + "main.pak")) return folder;
    }
    return platform::installedDataDirectory();
}

// What the command line gives: the request, and the texts checked after parsing.
struct SnapshotOptions {
    SnapshotRequest request;
    std::string out, preview, settingsFile, time;
    std::string choices[4];  // in the order of choiceNames
};

const char* const choiceNames[4] = {"fps", "clock", "clock-size", "calendar"};

void addOptions(CLI::App& app, SnapshotOptions& options) {
    SnapshotRequest& request = options.request;
    app.add_option("-o,--out", options.out, "PNG file of the last frame (and stem of --every frames)");
    app.add_option("--preview", options.preview,
                   "Also write the 152 x 112 preview bitmap (24-bit BMP) rendered from the show");
    app.add_option("-W,--width", request.width, "Picture width in pixels")->capture_default_str();
    app.add_option("-H,--height", request.height, "Picture height in pixels")->capture_default_str();
    app.add_option("--supersample", request.supersample,
                   "Render N times larger and reduce (smoother edges)")->capture_default_str();
    app.add_option("--saver-dir", request.saverDir,
                   "Folder holding the packages (default: this program's folder or saver/ beside it, "
                   "where either holds main.pak, else the installed data folder)");
    app.add_option("--settings", options.settingsFile, "Settings file to start from (else the defaults)");
    const char* const choiceHelp[4] = {"Frame counter", "Clock", "Clock placement (near: large)", "Calendar"};
    for (int i = 0; i < 4; ++i) {
        app.add_option(std::string("--") + choiceNames[i], options.choices[i],
                       std::string(choiceHelp[i]) + ": " + std::string(showChoiceValues(choiceNames[i])));
    }
    app.add_option("--seed", request.seed, "Random seed (srand)")->capture_default_str();
    app.add_option("--time", options.time,
                   "Local time at the start, \"YYYY-MM-DD HH:MM:SS\" (default 2026-02-14 10:08:36)");
    app.add_flag("--real-time", request.realTime, "Use the machine's clock instead of --time");
    app.add_option("--at", request.atMs, "Show time of the picture, ms")->capture_default_str();
    app.add_option("--step", request.stepMs, "Time between frames, ms")->capture_default_str();
    app.add_option("--every", request.everyMs, "Also write a frame every N ms of show time");
    app.add_flag("--heart-only", request.heartOnly,
                 "Only the heart, on black: no background, small hearts, emblem or overlays");
}

// The settings to start from: the file given, then the choices on top.
bool readSettings(SnapshotOptions& options) {
    if (!options.settingsFile.empty()) {
        std::ifstream file(options.settingsFile, std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "amber-snapshot: cannot read %s\n", options.settingsFile.c_str());
            return false;
        }
        options.request.settings = Settings(file);
    }
    for (int i = 0; i < 4; ++i) {
        std::string error;
        if (!options.choices[i].empty() &&
            !applyShowChoice(options.request.settings, choiceNames[i], options.choices[i], error)) {
            std::fprintf(stderr, "amber-snapshot: --%s\n", error.c_str());
            return false;
        }
    }
    return true;
}

// Checks the options and completes the request; false after a message.
bool completeRequest(SnapshotOptions& options) {
    SnapshotRequest& request = options.request;
    if (options.out.empty() && options.preview.empty()) {
        std::fprintf(stderr, "amber-snapshot: nothing to write (give --out or --preview)\n");
        return false;
    }
    if (!options.time.empty() && !parseWallClock(options.time, request.start)) {
        std::fprintf(stderr, "amber-snapshot: cannot read the time \"%s\"\n", options.time.c_str());
        return false;
    }
    if (request.width < 1 || request.height < 1 || request.supersample < 1 ||
        request.width * request.supersample > 8192 || request.height * request.supersample > 8192) {
        std::fprintf(stderr, "amber-snapshot: size out of range\n");
        return false;
    }
    if (!readSettings(options)) return false;
    if (request.saverDir.empty()) request.saverDir = defaultSaverDir();
    if (request.saverDir.back() != '/') request.saverDir += '/';
    return true;
}

// The last frame to `out`, and with --every the frames on the way.
bool writeFrames(const SnapshotRequest& request, const std::string& out) {
    std::string error;
    Picture last;
    bool written = true;
    auto onFrame = [&](uint32_t ticks, const Picture& frame) {
        written = writePicture(framePath(out, ticks), frame) && written;
    };
    if (!renderShow(request, last, onFrame, error)) {
        std::fprintf(stderr, "amber-snapshot: %s\n", error.c_str());
        return false;
    }
    return written && writePicture(out, last);
}

// The preview bitmap, rendered small from the same request.
bool writePreview(const SnapshotRequest& request, const std::string& preview) {
    SnapshotRequest small = request;
    small.width = previewWidth;
    small.height = previewHeight;
    small.supersample = previewSupersample;
    small.everyMs = 0;
    std::string error;
    Picture last;
    if (!renderShow(small, last, nullptr, error) ||
        !writeWholeFile(preview, encodeBmp24(last), error)) {
        std::fprintf(stderr, "amber-snapshot: %s\n", error.c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Renders the Amber Bell show offscreen and writes PNG pictures"};
    SnapshotOptions options;
    addOptions(app, options);
    CLI11_PARSE(app, argc, argv);

    if (!completeRequest(options)) return 2;
    if (!options.out.empty() && !writeFrames(options.request, options.out)) return 1;
    if (!options.preview.empty() && !writePreview(options.request, options.preview)) return 1;
    return 0;
}
