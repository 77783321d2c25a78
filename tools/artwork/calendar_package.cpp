// calendar.pak: the month page.
//
// The calendar node is at eye depth -240, inset from the top-right corner.
// In its frame the day cells are centred at x = (column - 5) x 8 (-40..8) and
// y = -row x 8 (0..-40); the weekday header is centred at (-16, 8), the month
// name at (-16, 16) and the backing at (-16, -12). Each entry is drawn in the
// frame of its own node, so cells and names are centred on their origin.
//
// Both layouts load the same month entries, so each month carries its
// English name and, smaller, its Russian one. The two backings differ only in
// which columns are tinted as the weekend: 0 and 6 (Sunday first) or 5 and 6
// (Monday first). The backing's second sub-mesh shows the Plasma texture as
// moving contour lines, tiled so that the texture's grid lines never show.
#include <cmath>
#include <string>

#include "packages.h"
#include "palette.h"
#include "shapes.h"

namespace {

constexpr double cell = 8;
// The panel, in the backing's frame (its node is at (-16, -12)).
constexpr double panelHalfWidth = 28.2, panelHalfHeight = 32.4;
constexpr double dayEm = 4.0, headerEm = 3.2, monthEm = 4.4, monthRussianEm = 3.3;
const char* const plasmaTexture = "c#Plasma256x256x84x28x56";

const char* const monthNames[12][2] = {
    {"January", "январь"}, {"February", "февраль"}, {"March", "март"},
    {"April", "апрель"},   {"May", "май"},          {"June", "июнь"},
    {"July", "июль"},      {"August", "август"},    {"September", "сентябрь"},
    {"October", "октябрь"}, {"November", "ноябрь"}, {"December", "декабрь"}};

Canvas backingImage(bool mondayFirst) {
    const Grid grid = centredGrid(512, 512, 68.0 / 512);
    Canvas canvas(grid.scaled(2));
    PanelStyle panel;
    panel.halfWidth = panelHalfWidth;
    panel.halfHeight = panelHalfHeight;
    panel.radius = 3.2;
    panel.rimWidth = 0.3;
    panel.shadowRadius = 1.2;
    panel.shadowDrop = 0.5;
    drawPanel(canvas, panel);
    // Weekend columns: a faint rose band from the header down. Columns sit
    // at x = (column - 3) x 8 in this frame; the header row is at y = 20.
    Mask weekend(canvas.grid);
    for (int column : {mondayFirst ? 5 : 0, 6}) {
        const double x = (column - 3) * cell;
        weekend.add([&](double px, double py) {
            return roundedBoxDistance(px, py, x, -4.25, 3.7, 27.25, 1.6);
        });
    }
    canvas.fill(blurred(weekend, 0.4), palette::rose, 0.09f);
    // A thin rule under the month name.
    Mask rule(canvas.grid);
    rule.add([](double x, double y) { return capsuleDistance(x, y, -22, 24, 22, 24, 0.08); });
    canvas.fill(rule, [](double x, double) {
        return withAlpha(palette::amber, static_cast<float>(0.5 * smooth(22, 8, std::fabs(x))));
    });
    return canvas.downsampled(2);
}

// Plasma tiles: 14 columns x 16 rows over the cells, the header and the
// month row, each showing pixels 1..15 of one 16-pixel block of the
// 256 x 256 texture, so the pattern runs on across tiles (two pixels skipped
// at each seam) and the texture's grid lines (every 16th pixel, and the last
// row and column) stay hidden.
SubMeshRecord plasmaRecord() {
    constexpr int columns = 14, rows = 16, texture = 256;
    constexpr double left = -27.0, right = 27.0, top = 31.2, bottom = -31.2;
    const double tileW = (right - left) / columns, tileH = (top - bottom) / rows;
    auto first = [](int block) { return (16 * block + 1.5) / texture; };
    auto last = [](int block) { return (16 * block + (block == 15 ? 14.5 : 15.5)) / texture; };
    SubMeshRecord all;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            SubMeshRecord tile = quadRecord(plasmaTexture, plainMaterial(true),
                                            left + column * tileW, top - row * tileH,
                                            left + (column + 1) * tileW, top - (row + 1) * tileH,
                                            first(column), first(row), last(column), last(row), 0);
            if (all.positions.empty()) {
                all = tile;
            } else {
                all.positions.insert(all.positions.end(), tile.positions.begin(), tile.positions.end());
                all.normals.insert(all.normals.end(), tile.normals.begin(), tile.normals.end());
                all.texCoords.insert(all.texCoords.end(), tile.texCoords.begin(), tile.texCoords.end());
            }
        }
    }
    return all;
}

Canvas headerImage(const Typeface& type, bool mondayFirst) {
    const Grid grid = centredGrid(512, 64, 64.0 / 512);
    Canvas canvas(grid.scaled(overlaySupersample));
    const char* const sundayFirst[7] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    const char* const russian[7] = {"Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс"};
    const double baseline = centredBaseline(type.bold, headerEm, 0);
    for (int column = 0; column < 7; ++column) {
        const bool weekend = mondayFirst ? column >= 5 : column == 0 || column == 6;
        TextStyle style{&type.bold, headerEm, weekend ? palette::rose : palette::honey,
                        palette::amber, 0.3, 0.25f};
        drawText(canvas, style, mondayFirst ? russian[column] : sundayFirst[column],
                 (column - 3) * cell, baseline);
    }
    return canvas.downsampled(overlaySupersample);
}

Canvas monthImage(const Typeface& type, int month) {
    const Grid grid = centredGrid(512, 64, 64.0 / 512);
    Canvas canvas(grid.scaled(overlaySupersample));
    const std::string english = monthNames[month][0], russian = monthNames[month][1];
    constexpr double gap = 2.2;
    const double wEnglish = type.bold.measure(english) * monthEm;
    const double wRussian = type.regular.measure(russian) * monthRussianEm;
    const double start = -(wEnglish + gap + wRussian) / 2;
    const double baseline = centredBaseline(type.bold, monthEm, 0);
    TextStyle name{&type.bold, monthEm, palette::cream, palette::amber, 0.5, 0.45f};
    drawText(canvas, name, english, start, baseline, Align::Left);
    TextStyle second{&type.regular, monthRussianEm, palette::rose, palette::rose, 0.4, 0.25f};
    drawText(canvas, second, russian, start + wEnglish + gap, baseline, Align::Left);
    return canvas.downsampled(overlaySupersample);
}

Canvas dayImage(const Typeface& type, int day) {
    const Grid grid = centredGrid(64, 64, cell / 64);
    Canvas canvas(grid.scaled(overlaySupersample));
    TextStyle style{&type.bold, dayEm, palette::cream, palette::amber, 0.35, 0.3f};
    drawText(canvas, style, std::to_string(day), 0, centredBaseline(type.bold, dayEm, 0));
    return canvas.downsampled(overlaySupersample);
}

Canvas markerImage() {
    const Grid grid = centredGrid(64, 64, 9.6 / 64);
    Canvas canvas(grid.scaled(overlaySupersample));
    Mask disc(canvas.grid);
    disc.add([](double x, double y) { return circleDistance(x, y, 0, 0, 3.55); });
    canvas.fill(blurred(disc, 0.7), palette::rose, 0.6f);
    canvas.fill(disc, [](double x, double y) {
        return mix(rgb(0xe0325a), rgb(0x8e0d2c), smooth(3.5, -3.5, y - x * 0.3));
    });
    Mask ring(canvas.grid);
    ring.add([](double x, double y) { return ringDistance(x, y, 0, 0, 3.55, 0.14); });
    canvas.fill(ring, palette::honey, 0.9f);
    return canvas.downsampled(overlaySupersample);
}

}  // namespace

ArtworkPackage makeCalendarPackage(const Typeface& type, const std::string& imageDump) {
    ArtworkPackage package("calendar.pak", imageDump);
    for (bool mondayFirst : {false, true}) {
        const std::string entry = mondayFirst ? "fon_rus" : "fon";
        const Canvas backing = backingImage(mondayFirst);
        package.addImage(entry + "_tex", backing);
        package.addModel(entry, {spriteRecord(entry + "_tex", backing.grid, plainMaterial(true)),
                                 plasmaRecord()});
    }
    package.addSprite("day", headerImage(type, false));
    package.addSprite("day_rus", headerImage(type, true));
    for (int month = 0; month < 12; ++month) {
        package.addSprite("m" + std::to_string(month + 1), monthImage(type, month));
    }
    package.addModel("null", {});  // an empty cell draws nothing
    for (int day = 1; day <= 31; ++day) {
        package.addSprite(std::to_string(day), dayImage(type, day));
    }
    package.addSprite("sel", markerImage());
    return package;
}
