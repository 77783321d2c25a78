// The pictures Windows shows of the screensaver outside the show: the icon of
// its programs (Explorer, the Start menu, the list of installed programs) and
// the installer's header and welcome/finish pictures.
#pragma once

#include <string>

#include "artwork_style.h"
#include "canvas.h"

// The icon's sizes in pixels, smallest first: Explorer's views, the Start
// menu and the taskbar at every scaling Windows offers.
inline constexpr int windowsIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 96, 128, 256};

// The icon's picture, `size` x `size` pixels: the glossy heart on a clear
// ground. The Linux desktops' icon (hicolor_icons.h) is the same picture.
Canvas iconImage(int size);

// Writes amber-bell.ico, installer-header.bmp (150 x 57, the size of the
// installer's header picture) and installer-side.bmp (164 x 314, its welcome
// and finish pages) into `folder`. Throws std::runtime_error when a file
// cannot be written.
void writeWindowsArt(const Typeface& type, const std::string& folder);
