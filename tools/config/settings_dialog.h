// The settings dialog of the configuration program (GTK 3): every option of
// the record, opened on the values given, with OK and Cancel.
//
// For keyboard use (and tests driving it with xdotool) every control has an
// Alt mnemonic and the window the fixed title "Amber Bell Settings":
//   f  Show frame counter        e  Show calendar
//   l  Show clock                u  Russian layout
//   a  Analog    d  Digital      x  Exit when the mouse moves
//   2  24-hour time              r  Resolution (Up/Down choose a row)
//   g  Large     s  Small        o  OK        c  Cancel (also Escape)
// Each control is also named after its option (gtk_widget_set_name).
#pragma once

#include <string>

#include "settings/settings.h"

// Opens the connection to the display for the dialog. False when there is no
// display to show it on.
bool openDialogDisplay();

// Shows the dialog on `settings`. True when the user chose OK; `settings` then
// holds the choices (flags stored as 0 or 1). False on Cancel or close, with
// `settings` unchanged. Needs openDialogDisplay() first.
bool runSettingsDialog(Settings& settings);

// Tells the user, in a message box over nothing, that `message` went wrong.
void showDialogError(const std::string& message);
