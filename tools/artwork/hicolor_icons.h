// The icon Linux desktops show for the menu entries and the settings dialog:
// the heart of the Windows icon (windows_art.h), as PNG files laid out as the
// hicolor icon theme wants them.
#pragma once

#include <string>

// The sizes in pixels, smallest first: menus and panels (16 to 32), launchers
// and software centres (48 to 256).
inline constexpr int hicolorIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// Writes <folder>/<N>x<N>/apps/<name>.png for every size, making the folders.
// Throws std::runtime_error when a file cannot be written.
void writeHicolorIcons(const std::string& folder, const std::string& name);
