// The one palette of the show: warm amber, rose and deep red on a dark wine
// ground, cream for text. Every package draws with these.
#pragma once

#include "canvas.h"

namespace palette {

inline const Colour night = rgb(0x12050b);      // the darkest ground
inline const Colour wine = rgb(0x3a0c1c);       // background glow
inline const Colour plum = rgb(0x24091a);       // panels
inline const Colour deepRed = rgb(0x9e1030);    // the heart's shadow side
inline const Colour crimson = rgb(0xd21f45);    // the heart
inline const Colour rose = rgb(0xff6f91);       // accents
inline const Colour blush = rgb(0xffa8b8);      // soft highlights
inline const Colour amber = rgb(0xffb347);      // clock digits, rims
inline const Colour honey = rgb(0xffd27a);      // light amber
inline const Colour cream = rgb(0xfff1de);      // text
inline const Colour shadow = rgb(0x000000, 0.55f);

}  // namespace palette
