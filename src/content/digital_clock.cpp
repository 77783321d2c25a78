#include "content/digital_clock.h"

#include <algorithm>

#include "scene/attach_calls.h"
#include "scene/hooks.h"
#include "scene/local_time.h"
#include "scene/scene_node.h"

namespace {

const char* const digitEntries[10] = {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};

// One remembered field value per position code; 6 shares with 1, 7 with 2
// (only one code of each pair runs in a show).
int32_t remembered[6] = {-1, -1, -1, -1, -1, -1};

int32_t* memoryOf(int32_t code) {
    switch (code) {
    case 1: case 6: return &remembered[1];
    case 2: case 7: return &remembered[2];
    case 3: return &remembered[3];
    case 4: return &remembered[4];
    case 5: return &remembered[5];
    case 8: return &remembered[0];
    default: return nullptr;
    }
}

struct Position {
    double x;
    int32_t code12;  // position code in the 12-hour form (0: not built)
    int32_t code24;  // in the 24-hour form (0: not built)
};

// Left to right after the AM/PM sign, which is built first.
const Position positions[] = {
    {11.432, 8, 0}, {-6.483, 6, 1}, {-2.498, 7, 2}, {0, 5, 5}, {2.523, 3, 3}, {6.466, 4, 4},
};

int32_t watchedField(int32_t watchCode, const std::tm& now) {
    switch (watchCode) {
    case 1: case 2: return now.tm_hour;
    case 3: case 4: return now.tm_min;
    case 5: return now.tm_sec;
    default: return -1;
    }
}

}  // namespace

DigitGlyph digitGlyph(int32_t code, const std::tm& now) {
    const int32_t hours = now.tm_hour;
    const int32_t minutes = now.tm_min;
    const int32_t h12 = hours > 12 ? hours - 12 : hours;
    DigitGlyph glyph;
    switch (code) {
    case 1: {
        const int32_t digit = hours / 10;
        glyph = {true, hours, digit == 0 && hours != 0 ? nullptr : digitEntries[digit], 1};
        break;
    }
    case 2: glyph = {true, hours, digitEntries[hours % 10], 2}; break;
    case 3: glyph = {true, minutes, digitEntries[minutes / 10 % 10], 3}; break;
    case 4: glyph = {true, minutes, digitEntries[minutes % 10], 4}; break;
    case 5: glyph = {true, now.tm_sec, now.tm_sec % 2 == 0 ? nullptr : "dot", 5}; break;
    case 6: {
        const int32_t digit = h12 == 0 ? 1 : h12 / 10 % 10;
        glyph = {true, hours, digit == 0 ? nullptr : digitEntries[digit], 1};
        break;
    }
    case 7: glyph = {true, hours, digitEntries[h12 == 0 ? 2 : h12 % 10], 1}; break;
    case 8: glyph = {true, hours, hours < 12 ? "am" : "pm", 1}; break;
    default: break;  // not a position: invalid
    }
    return glyph;
}

ShownClockTime digitalClockShownTime() {
    // One code of each hour and minute pair runs; the other stays at -1.
    return {std::max(remembered[1], remembered[2]), std::max(remembered[3], remembered[4])};
}

void resetDigitalClockMemory() {
    for (int32_t& value : remembered) value = -1;
}

void behaviourBuildDigitalClock(int32_t) {
    const bool twentyFour = currentCall->type != 0;
    SceneNode* clock = currentNode;
    clock->translate(-10, 1, 0);

    auto* face = new SceneNode;
    if (twentyFour) {
        face->loadModel("clock.pak", "podlozka");
    } else {
        clock->translate(-5.186, 0, 0);  // room for the AM/PM sign
        face->loadModel("clock.pak", "podlozka_am");
    }
    face->addHook(hookNoDepthTest, 0);
    clock->addChild(face);

    for (const Position& position : positions) {
        const int32_t code = twentyFour ? position.code24 : position.code12;
        if (code == 0) continue;
        auto* node = new SceneNode;
        node->setTranslation(position.x, 0, 0);
        BoundCall digit = endlessCall();
        digit.setParams(behaviourClockDigit, code, 0, 0, 0);
        attachCalls(*node, {digit});
        node->addHook(hookNoDepthTest, 0);
        clock->addChild(node);
    }
}

void behaviourClockDigit(int32_t) {
    const int32_t code = currentCall->type;
    int32_t* memory = memoryOf(code);
    if (!memory) return;
    const DigitGlyph glyph = digitGlyph(code, localTimeNow());
    if (glyph.field == *memory) return;
    *memory = glyph.field;

    auto* node = new SceneNode;
    if (glyph.entry) node->loadModel("clock.pak", glyph.entry);
    BoundCall watch = endlessCall();
    watch.setParams(behaviourDigitWatch, glyph.watchCode, glyph.field, 0, 0, 0);
    attachCalls(*node, {watch});
    currentNode->addChild(node);
}

void behaviourDigitWatch(int32_t) {
    const int32_t field = watchedField(currentCall->type, localTimeNow());
    if (field >= 0 && field != currentCall->extra) currentNode->markClosing();
}
