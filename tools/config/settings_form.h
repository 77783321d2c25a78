// The settings form that both dialogs draw (GTK on Linux, a Win32 dialog
// resource on Windows): its items in tab order with their labels and the
// options they show, which items are greyed out, the resolution row shown
// and the window title. The dialogs make and read the controls; what the
// controls hold is decided here, once, without a display.
//
// Labels mark the Alt mnemonic with '&', as Win32 does (GTK marks it with
// '_': mnemonicLabel). Each letter is used once; Escape also cancels.
#pragma once

#include <cstdint>
#include <string>

#include "common/idle_autostart.h"
#include "desktop_timers.h"
#include "settings/settings.h"

constexpr const char* settingsFormTitle = "Amber Bell Settings";

enum class FormKind { group, checkBox, radioButton, label, choice, button };

// The items in tab order; settingsForm[id] describes item `id`.
enum FormItemId : int {
    formClockGroup, formClock, formAnalog, formDigital, formHours24, formLarge, formSmall,
    formCalendarGroup, formCalendar, formRussian,
    formFrameCounter, formExitOnMouse,
    formResolutionLabel, formResolution,
    formOk, formCancel,
    formItemCount
};

struct FormItem {
    FormItemId id;
    FormKind kind;
    const char* label;                  // with '&' before the mnemonic (groups have none)
    const char* name = nullptr;         // controls: the option's name, also the GTK widget's
    uint8_t Settings::*flag = nullptr;  // check boxes and radio buttons: the flag shown
    uint8_t flagValue = 1;              // radio buttons: the flag's value this one stands for
};

extern const FormItem settingsForm[formItemCount];

// True when the check box or radio button `item` is on for `settings`
// (a flag is set when non-zero).
bool formToggleOn(const FormItem& item, const Settings& settings);

// Stores a toggle's state: a check box sets its flag to 0 or 1, a radio
// button that is on sets its flag to its value.
void takeFormToggle(const FormItem& item, bool on, Settings& settings);

// Whether item `id` takes input while the toggles show `shown`: the clock's
// choices need the clock, 24-hour time also the digital clock, and the
// Russian layout the calendar.
bool formItemEnabled(FormItemId id, const Settings& shown);

// The row the resolution chooser shows for `resolutionIndex`: an index
// outside the table runs the desktop's size, and is shown so (row 0).
int32_t shownResolutionRow(int32_t resolutionIndex);

// `label` with its '&' replaced by `marker` ('_' for GTK).
std::string mnemonicLabel(const char* label, char marker);

// The idle watcher's row (Linux): "Start Amber Bell after N minutes of
// inactivity", and under it a warning when the desktop's own timer
// (desktop_timers.h) would hide the screen first, with its fixes.
struct IdleWarning {
    std::string text;             // in plain words; empty: nothing to warn of
    int idleMinutes = 0;          // the watcher's minutes that start the show in time (1 or more)
    bool desktopSettable = false; // the desktop's time can be changed from here
    std::string changeHint;       // otherwise: where the user changes it
};

// The warning for `choice` under `desktop`: when the switch is on and its
// minutes are not shorter than the desktop's time.
IdleWarning idleWarning(const IdleChoice& choice, const DesktopTimers& desktop);

// The minutes the row starts with: the choice's while it is on; while it is
// off, minutes under the desktop's time when the choice's are not.
int startingIdleMinutes(const IdleChoice& choice, const DesktopTimers& desktop);

// The desktop time offered beside the watcher's `idleMinutes`: 5 more, at
// most maxDesktopMinutes.
constexpr int maxDesktopMinutes = 720;
int suggestedDesktopMinutes(int idleMinutes);

// The fixes' button labels, '&' before the mnemonic as above:
// "Start Amber &Bell after 4 minutes", "Blan&k the screen after 15 minutes".
std::string idleFixLabel(int idleMinutes);
std::string desktopFixLabel(int desktopMinutes);
