// window-texts.exe TITLE: the texts of the shown controls of the shown window
// whose title starts with TITLE, one a line (an installer page's heading and
// buttons). Exit code 1 when no such window is shown.
#include <windows.h>

#include <cstdio>
#include <cstring>

static const char* wanted = "";

static BOOL CALLBACK printText(HWND control, LPARAM) {
    char text[512] = {};
    DWORD_PTR length = 0;
    // WM_GETTEXT reaches the control's own process; a hung one is skipped.
    if (IsWindowVisible(control) && SendMessageTimeoutA(control, WM_GETTEXT, sizeof text,
                                                        reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000,
                                                        &length) && length > 0)
        std::printf("%s\n", text);
    return TRUE;
}

static BOOL CALLBACK findWindow(HWND window, LPARAM found) {
    char title[256];
    if (!IsWindowVisible(window) || GetWindowTextA(window, title, sizeof title) == 0 ||
        std::strncmp(title, wanted, std::strlen(wanted)) != 0)
        return TRUE;
    EnumChildWindows(window, printText, 0);
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    wanted = argv[1];
    bool found = false;
    EnumWindows(findWindow, reinterpret_cast<LPARAM>(&found));
    return found ? 0 : 1;
}
