#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "settings/settings_options.h"
#include "settings_dialog.h"
#include "settings_dialog_ids.h"

namespace {

const char* const windowTitle = "Amber Bell Settings";

// The window the dialog and its error box are owned by; null for none.
HWND ownerWindow = nullptr;

struct Flag {
    int control;
    uint8_t Settings::*field;
};
constexpr Flag checkBoxes[] = {
    {IDC_CLOCK, &Settings::showClock},
    {IDC_HOURS24, &Settings::clock24Hour},
    {IDC_CALENDAR, &Settings::showCalendar},
    {IDC_RUSSIAN, &Settings::russianCalendar},
    {IDC_FRAME_COUNTER, &Settings::showFrameCounter},
    {IDC_EXIT_ON_MOUSE, &Settings::exitOnMouseMove},
};

bool isChecked(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

// Choices that only matter under another one are greyed out without it.
void updateEnabled(HWND dialog) {
    const bool clock = isChecked(dialog, IDC_CLOCK);
    for (int control : {IDC_ANALOG, IDC_DIGITAL, IDC_LARGE, IDC_SMALL}) {
        EnableWindow(GetDlgItem(dialog, control), clock);
    }
    EnableWindow(GetDlgItem(dialog, IDC_HOURS24), clock && isChecked(dialog, IDC_DIGITAL));
    EnableWindow(GetDlgItem(dialog, IDC_RUSSIAN), isChecked(dialog, IDC_CALENDAR));
}

void fillResolutions(HWND dialog, int32_t current) {
    const HWND combo = GetDlgItem(dialog, IDC_RESOLUTION);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (int32_t row = 0; row < resolutionRowCount; ++row) {
        const std::string text = resolutionRowText(row, width, height);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    // An index outside the table runs the desktop's size, and is shown so.
    SendMessageA(combo, CB_SETCURSEL, current >= 0 && current < resolutionRowCount ? current : 0, 0);
}

void showSettings(HWND dialog, const Settings& settings) {
    for (const Flag& flag : checkBoxes) {
        CheckDlgButton(dialog, flag.control, settings.*flag.field ? BST_CHECKED : BST_UNCHECKED);
    }
    CheckRadioButton(dialog, IDC_ANALOG, IDC_DIGITAL, settings.analogClock ? IDC_ANALOG : IDC_DIGITAL);
    CheckRadioButton(dialog, IDC_LARGE, IDC_SMALL, settings.largeClock ? IDC_LARGE : IDC_SMALL);
    fillResolutions(dialog, settings.resolutionIndex);
    updateEnabled(dialog);
}

void takeSettings(HWND dialog, Settings& settings) {
    for (const Flag& flag : checkBoxes) settings.*flag.field = isChecked(dialog, flag.control);
    settings.analogClock = isChecked(dialog, IDC_ANALOG);
    settings.largeClock = isChecked(dialog, IDC_LARGE);
    const LRESULT row = SendDlgItemMessageA(dialog, IDC_RESOLUTION, CB_GETCURSEL, 0, 0);
    settings.resolutionIndex = row >= 0 ? static_cast<int32_t>(row) : 0;
}

INT_PTR CALLBACK settingsDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        showSettings(dialog, *reinterpret_cast<const Settings*>(lParam));
        // Started from the Screen Saver dialog or Explorer, the dialog would
        // otherwise open behind the window that asked for it, without the keys.
        SetForegroundWindow(dialog);
        return TRUE;  // focus on the first control
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_CLOCK:
        case IDC_ANALOG:
        case IDC_DIGITAL:
        case IDC_CALENDAR:
            updateEnabled(dialog);
            return TRUE;
        case IDOK:
            takeSettings(dialog, *reinterpret_cast<Settings*>(GetWindowLongPtrA(dialog, DWLP_USER)));
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL:  // also Escape and the close box
            EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace

void attachToConsole() {
    // Output sent into a pipe or a file is already on its way.
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output != nullptr && output != INVALID_HANDLE_VALUE && GetFileType(output) != FILE_TYPE_UNKNOWN) return;
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return;
    std::freopen("CONOUT$", "w", stdout);
    std::freopen("CONOUT$", "w", stderr);
}

bool openDialogDisplay() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    return true;  // a Windows session always has a desktop
}

DialogResult runSettingsDialog(Settings& settings, uint64_t owner) {
    ownerWindow = owner != 0 ? reinterpret_cast<HWND>(static_cast<uintptr_t>(owner)) : GetForegroundWindow();
    if (ownerWindow && !IsWindow(ownerWindow)) ownerWindow = nullptr;

    Settings chosen = settings;
    const INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), ownerWindow,
                                           settingsDialogProc, reinterpret_cast<LPARAM>(&chosen));
    // -1, or 0 for an owner that is no window: the dialog never opened.
    if (result == -1 || result == 0) return DialogResult::Failed;
    if (result != IDOK) return DialogResult::Cancelled;
    settings = chosen;
    return DialogResult::Ok;
}

void showDialogError(const std::string& message) {
    MessageBoxA(ownerWindow, message.c_str(), windowTitle, MB_OK | MB_ICONERROR);
}
