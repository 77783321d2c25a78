#include "content/calendar.h"

#include "content/month_grid.h"
#include "scene/attach_calls.h"
#include "scene/local_time.h"
#include "scene/scene_node.h"

namespace {

int32_t rememberedDay = -1;

const char* const dayEntries[32] = {
    "null", "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10",
    "11",   "12", "13", "14", "15", "16", "17", "18", "19", "20", "21",
    "22",   "23", "24", "25", "26", "27", "28", "29", "30", "31"};
const char* const monthEntries[12] = {"m1", "m2", "m3", "m4",  "m5",  "m6",
                                      "m7", "m8", "m9", "m10", "m11", "m12"};

SceneNode* modelNode(const char* entry, double x, double y) {
    auto* node = new SceneNode;
    node->loadModel("calendar.pak", entry);
    node->setTranslation(x, y, 0);
    return node;
}

}  // namespace

int32_t calendarShownDay() {
    return rememberedDay;
}

void resetCalendarMemory() {
    rememberedDay = -1;
}

void behaviourBuildCalendar(int32_t) {
    const int32_t type = currentCall->type;
    SceneNode* calendar = currentNode;
    calendar->addChild(modelNode(type != 0 ? "fon" : "fon_rus", -16, -12));

    auto* grid = new SceneNode;
    BoundCall page = endlessCall();
    page.setParams(behaviourCalendarPage, type, 0, 0, 0);
    attachCalls(*grid, {page});
    calendar->addChild(grid);
}

void behaviourCalendarPage(int32_t) {
    const int32_t type = currentCall->type;
    const int32_t day = localTimeNow().tm_mday;
    if (day == rememberedDay) return;
    rememberedDay = day;

    auto* page = new SceneNode;
    BoundCall watch = endlessCall();
    watch.setParams(behaviourDayWatch, day, 0, 0, 0);
    attachCalls(*page, {watch});
    currentNode->addChild(page);

    MonthGrid grid;
    int32_t cells[monthGridCells];
    if (type == 0) {
        grid.fillMondayFirst(cells);
    } else {
        grid.fillSundayFirst(cells);
    }
    page->addChild(modelNode(type == 0 ? "day_rus" : "day", -16, 8));
    page->addChild(modelNode(monthEntries[grid.month >= 0 && grid.month < 12 ? grid.month : 0], -16, 16));
    for (int32_t i = 0; i < monthGridCells; ++i) {
        const double x = (i % 7 - 5) * 8.0;
        const double y = -(i / 7) * 8.0;
        const int32_t number = cells[i] >= 0 && cells[i] <= 31 ? cells[i] : 0;
        auto* cell = new SceneNode;
        cell->loadModel("calendar.pak", dayEntries[number]);
        if (cells[i] == grid.dayOfMonth) page->addChild(modelNode("sel", x, y));
        cell->setTranslation(x, y, 0);
        page->addChild(cell);
    }
}

void behaviourDayWatch(int32_t) {
    if (localTimeNow().tm_mday != currentCall->type) currentNode->markClosing();
}
