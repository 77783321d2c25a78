// The covers over the monitors the show does not fill, with the monitor list
// handed in: a second monitor is made up inside the one the test runs on.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "platform/monitor_cover.h"

namespace {

BOOL CALLBACK collectVisible(HWND window, LPARAM list) {
    if (IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> visibleWindowsOfThisThread() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), collectVisible, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

void pumpMessages() {
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
}

TEST(MonitorCover, EveryMonitorButThePrimaryGetsABlackTopMostWindowUntilUncovered) {
    const std::vector<platform::MonitorArea> monitors = {
        {0, 0, 320, 240, true},     // the show's
        {100, 60, 200, 150, false}, // the one to cover
        {400, 0, 0, 240, false},    // empty: nothing to cover
    };
    ASSERT_TRUE(visibleWindowsOfThisThread().empty());
    platform::coverMonitors(monitors);
    pumpMessages();

    const std::vector<HWND> covers = visibleWindowsOfThisThread();
    ASSERT_EQ(covers.size(), 1u);
    RECT area{};
    GetWindowRect(covers[0], &area);
    EXPECT_EQ(area.left, 100);
    EXPECT_EQ(area.top, 60);
    EXPECT_EQ(area.right - area.left, 200);
    EXPECT_EQ(area.bottom - area.top, 150);
    const LONG_PTR extended = GetWindowLongPtrA(covers[0], GWL_EXSTYLE);
    EXPECT_TRUE(extended & WS_EX_TOPMOST);
    EXPECT_TRUE(extended & WS_EX_TOOLWINDOW) << "a taskbar button";
    EXPECT_NE(GetForegroundWindow(), covers[0]) << "the cover took the keyboard from the show";

    HDC dc = GetDC(covers[0]);
    EXPECT_EQ(GetPixel(dc, 100, 75), RGB(0, 0, 0));
    ReleaseDC(covers[0], dc);

    platform::uncoverMonitors();
    pumpMessages();
    EXPECT_TRUE(visibleWindowsOfThisThread().empty());
}

}  // namespace
