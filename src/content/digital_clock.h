// The digital clock: a face and a row of digit positions under the clock node
// (all models from "clock.pak"), in a 24-hour form (`type` 1, face
// "podlozka") or a 12-hour form with an AM/PM sign (`type` 0, face
// "podlozka_am").
//
// Each position runs behaviourClockDigit with its position code; whenever the
// time field it shows changes it adds a glyph node (a character model, or none
// for a blank) that carries behaviourDigitWatch and closes itself once its
// field has moved on. In the frame of a change both glyphs are drawn, the new
// one on top.
//
// Position codes: 1/2 hour tens/units (24 h), 3/4 minute tens/units, 5 colon
// ("dot", blank in even seconds), 6/7 hour tens/units (12 h), 8 "am"/"pm".
// Watch codes: 1, 2 hours; 3, 4 minutes; 5 seconds.
#pragma once

#include <cstdint>
#include <ctime>

void behaviourBuildDigitalClock(int32_t value);
void behaviourClockDigit(int32_t value);
void behaviourDigitWatch(int32_t value);

// What a position shows at a local time.
struct DigitGlyph {
    bool valid = false;          // a known position code
    int32_t field = 0;           // the time field the position watches
    const char* entry = nullptr; // model entry, null for a blank
    int32_t watchCode = 0;
};
DigitGlyph digitGlyph(int32_t positionCode, const std::tm& time);

// The hour (0..23) and minute the clock's digits were last built for; -1
// before the first frame. For the status report.
struct ShownClockTime {
    int32_t hour = -1;
    int32_t minute = -1;
};
ShownClockTime digitalClockShownTime();

// Forgets the remembered field values (all -1), so the next frame builds every
// glyph anew. The show calls it as it builds its scene.
void resetDigitalClockMemory();
