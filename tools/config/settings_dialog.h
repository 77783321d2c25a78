// The settings dialog of the configuration program: every option of the
// record, opened on the values given, with OK and Cancel. One source per
// platform, picked by the build: GTK 3 on Linux (settings_dialog_gtk.cpp),
// a Win32 dialog resource on Windows (settings_dialog_win32.cpp/.rc). Both
// draw the one form of settings_form.h: its controls, their labels and Alt
// mnemonics (for keyboard use, and tests driving it with xdotool), the
// greying, the resolution row shown and the fixed title "Amber Bell
// Settings". Each GTK control is also named after its option
// (gtk_widget_set_name).
#pragma once

#include <cstdint>
#include <string>

#include "settings/settings.h"

struct IdleChoice;

// Lets the commands' output reach the console the program was started from.
// The Windows program is built for the window subsystem (no console of its
// own flashes up under the Screen Saver dialog), so it borrows its parent's
// console when its output goes nowhere else. Nothing to do on Linux.
void attachToConsole();

// Opens the connection to the display for the dialog. False when there is no
// display to show it on.
bool openDialogDisplay();

enum class DialogResult { Ok, Cancelled, Failed };

// Shows the dialog on `settings`. Ok when the user chose OK; `settings` then
// holds the choices (flags stored as 0 or 1). Cancelled on Cancel or close,
// Failed when the dialog could not be opened, both with `settings`
// unchanged. Needs openDialogDisplay() first.
//
// `owner` is the number of the window that asked for the dialog ("/c:HWND"),
// 0 when none was given. On Windows the dialog is owned by that window, or
// else by the window in the foreground when it started (the Screen Saver
// dialog whose Settings button started the screensaver's /c mode); a number
// that is no window is ignored. GTK has no use for it.
//
// `idle`, where offered (Linux), adds "Start Amber Bell after N minutes of
// inactivity" below the settings (idle_switch.h), and holds the choice on Ok.
DialogResult runSettingsDialog(Settings& settings, uint64_t owner, IdleChoice* idle = nullptr);

// Tells the user, in a message box over the dialog's owner, that `message`
// went wrong.
void showDialogError(const std::string& message);
