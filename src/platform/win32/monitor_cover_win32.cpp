#include <windows.h>

#include <vector>

#include "platform/monitor_cover.h"

namespace platform {

namespace {

const char coverClassName[] = "AmberBellCover";
std::vector<HWND> covers;
// Windows also sends WM_MOUSEMOVE when a window appears under a still pointer,
// so motion is a change of the pointer's place.
POINT lastPointer{};
bool pointerMoved = false;

LRESULT CALLBACK coverProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE: {
        POINT pointer{};
        if (GetCursorPos(&pointer) && (pointer.x != lastPointer.x || pointer.y != lastPointer.y)) {
            pointerMoved = true;
            lastPointer = pointer;
        }
        return 0;
    }
    case WM_SETCURSOR:
        SetCursor(nullptr);  // no pointer over the black, as over the show
        return TRUE;
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // a click leaves the keyboard with the show
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool registerCoverClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = coverProcedure;
    windowClass.hInstance = instance;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = coverClassName;
    // Registered already (a second show in one process) is as good.
    return RegisterClassExA(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

BOOL CALLBACK addMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (GetMonitorInfoA(monitor, &info)) {
        const RECT& r = info.rcMonitor;
        reinterpret_cast<std::vector<MonitorArea>*>(list)->push_back(
            {r.left, r.top, r.right - r.left, r.bottom - r.top, (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
    }
    return TRUE;
}

}  // namespace

std::vector<MonitorArea> listMonitors() {
    std::vector<MonitorArea> monitors;
    EnumDisplayMonitors(nullptr, nullptr, addMonitor, reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

void coverMonitors(const std::vector<MonitorArea>& monitors) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!registerCoverClass(instance)) return;
    GetCursorPos(&lastPointer);
    for (const MonitorArea& monitor : monitors) {
        if (monitor.primary || monitor.width <= 0 || monitor.height <= 0) continue;
        // A tool window has no taskbar button; top-most keeps it over the
        // desktop's own top-most windows; it is never activated.
        HWND cover = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, coverClassName, "",
                                     WS_POPUP, monitor.left, monitor.top, monitor.width, monitor.height,
                                     nullptr, nullptr, instance, nullptr);
        if (!cover) continue;
        ShowWindow(cover, SW_SHOWNOACTIVATE);
        UpdateWindow(cover);
        covers.push_back(cover);
    }
}

void uncoverMonitors() {
    for (HWND cover : covers) DestroyWindow(cover);
    covers.clear();
}

bool pointerMovedOverCovers() {
    const bool moved = pointerMoved;
    pointerMoved = false;
    return moved;
}

}  // namespace platform
