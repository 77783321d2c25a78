#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <iterator>

#include "settings/settings_options.h"
#include "settings_dialog.h"
#include "settings_dialog_ids.h"
#include "settings_form.h"

namespace {

// The window the dialog and its error box are owned by; null for none.
HWND ownerWindow = nullptr;

// The control of each item of the form (settings_form.h), in the form's order.
constexpr int controlIds[] = {
    IDC_CLOCK_GROUP, IDC_CLOCK, IDC_ANALOG, IDC_DIGITAL, IDC_HOURS24, IDC_LARGE, IDC_SMALL,
    IDC_CALENDAR_GROUP, IDC_CALENDAR, IDC_RUSSIAN,
    IDC_FRAME_COUNTER, IDC_EXIT_ON_MOUSE,
    IDC_RESOLUTION_LABEL, IDC_RESOLUTION,
    IDOK, IDCANCEL,
};
static_assert(std::size(controlIds) == formItemCount, "one control for each item of the form");

bool isChecked(HWND dialog, int control) {
    return IsDlgButtonChecked(dialog, control) == BST_CHECKED;
}

// True when `control` is a check box or radio button of the form.
bool isToggle(int control) {
    for (const FormItem& item : settingsForm) {
        if (item.flag && controlIds[item.id] == control) return true;
    }
    return false;
}

void takeToggles(HWND dialog, Settings& settings) {
    for (const FormItem& item : settingsForm) {
        if (item.flag) takeFormToggle(item, isChecked(dialog, controlIds[item.id]), settings);
    }
}

// Choices that only matter under another one are greyed out without it.
void updateEnabled(HWND dialog) {
    Settings shown;
    takeToggles(dialog, shown);
    for (const FormItem& item : settingsForm) {
        if (item.flag) EnableWindow(GetDlgItem(dialog, controlIds[item.id]), formItemEnabled(item.id, shown));
    }
}

void fillResolutions(HWND dialog, int32_t current) {
    const HWND combo = GetDlgItem(dialog, IDC_RESOLUTION);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (int32_t row = 0; row < resolutionRowCount; ++row) {
        const std::string text = resolutionRowText(row, width, height);
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(combo, CB_SETCURSEL, shownResolutionRow(current), 0);
}

// The texts come from the form; the resource holds the layout.
void showSettings(HWND dialog, const Settings& settings) {
    SetWindowTextA(dialog, settingsFormTitle);
    for (const FormItem& item : settingsForm) {
        if (item.label) SetDlgItemTextA(dialog, controlIds[item.id], item.label);
        if (item.flag) {
            CheckDlgButton(dialog, controlIds[item.id], formToggleOn(item, settings) ? BST_CHECKED : BST_UNCHECKED);
        }
    }
    fillResolutions(dialog, settings.resolutionIndex);
    updateEnabled(dialog);
}

void takeSettings(HWND dialog, Settings& settings) {
    takeToggles(dialog, settings);
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
        if (isToggle(LOWORD(wParam))) {
            updateEnabled(dialog);
            return TRUE;
        }
        switch (LOWORD(wParam)) {
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

DialogResult runSettingsDialog(Settings& settings, uint64_t owner, IdleChoice*) {
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
    MessageBoxA(ownerWindow, message.c_str(), settingsFormTitle, MB_OK | MB_ICONERROR);
}
