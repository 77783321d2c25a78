// Holds the X server's screensaver suspended (XScreenSaverSuspend), as
// browsers and players do where no D-Bus screensaver service runs: prints
// "suspended" once the server has it, and holds it until its standard input
// closes; the suspension goes with the connection.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

#include <cstdio>

int main() {
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    XScreenSaverSuspend(display, True);
    XSync(display, False);
    std::puts("suspended");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    XCloseDisplay(display);
    return 0;
}
