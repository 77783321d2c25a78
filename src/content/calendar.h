// The calendar: a backing picture and a month page for today, from
// "calendar.pak", in the default layout (`type` 1: "fon", "day", Sunday
// first) or the Russian one (`type` 0: "fon_rus", "day_rus", Monday first).
//
// behaviourBuildCalendar (one-shot, on the calendar node) adds the backing at
// (-16, -12, 0) and the grid node, whose behaviourCalendarPage builds a page
// whenever the day of the month changes: the weekday header at (-16, 8, 0),
// the month name "m1".."m12" at (-16, 16, 0) and 42 cells ("null" or "1" to
// "31") at x = (column - 5) * 8, y = -row * 8, with the marker "sel" drawn
// under today's number. Each page closes itself through behaviourDayWatch once
// the day has changed.
#pragma once

#include <cstdint>

void behaviourBuildCalendar(int32_t value);
void behaviourCalendarPage(int32_t value);
void behaviourDayWatch(int32_t value);

// The day of the month (1..31) of the page on show; -1 before the first.
int32_t calendarShownDay();

// Forgets the day of the last page, so the next frame builds a page. The
// show calls it as it builds its scene.
void resetCalendarMemory();
