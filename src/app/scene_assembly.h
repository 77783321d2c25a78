// Builds the whole scene once, from the settings, under the two roots:
//
//   world root:   background ("fon", main.pak) | heart group (lit, turning
//                 slowly about its Z axis) > spawner node, heart node
//   overlay root: calendar | clock | frame counter, each when the settings ask,
//                 anchored to screen corners with the display's edges, all
//                 drawn without depth test; one minute in, the model "nn".
//
// Draws two random numbers (rand) for the spin: its direction, then a whole
// start angle 0..359. Resets the content's remembered values, so every show
// starts its clock glyphs, calendar page and frame count afresh.
#pragma once

struct Show;

void buildScene(Show& show);
