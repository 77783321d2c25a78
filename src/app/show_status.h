// One line about a running show, for soak tests and for users who want to
// see that a long-running show stays bounded:
//
//   status frames=81234 ticks=1402311 nodes=571 overlays=4 hearts=529
//   packages=4 package-uses=583 procedural=1 time=2026-12-08 14:03:07
//   clock=14:03 calendar-day=8
//
// frames: frames drawn; ticks: the tick count (ms) of the last of them;
// nodes: every node below the two roots; overlays: the overlay root's own
// children (calendar, clock, frame counter as switched on, and the emblem
// once it has come); hearts: the small hearts alive;
// package-uses: uses held of the open packages; procedural: generated
// textures alive; time: the local time the show reads; clock: the hour and
// minute the digital clock shows (-1 without one); calendar-day: the day of
// the page on show (-1 without a calendar). Formatting allocates: only on
// request, never per frame.
#pragma once

#include <string>

#include "app/show.h"

std::string showStatus(const Show& show);
