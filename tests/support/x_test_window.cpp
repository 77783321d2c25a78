// x-test-window WIDTH HEIGHT [BACKGROUND]: makes a plain top-level X window of
// that size (background colour 0xRRGGBB, white by default), prints its id in
// hex on one line once it is mapped, and keeps it until killed or until its
// standard input closes. Tests use it as a host window or a preview area.
#include <X11/Xlib.h>
#include <poll.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: x-test-window WIDTH HEIGHT [0xRRGGBB]\n");
        return 2;
    }
    const unsigned width = static_cast<unsigned>(std::atoi(argv[1]));
    const unsigned height = static_cast<unsigned>(std::atoi(argv[2]));
    const unsigned long background = argc > 3 ? std::strtoul(argv[3], nullptr, 0) : 0xFFFFFF;
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 1;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, width,
                                              height, 0, 0, background);
    XSelectInput(display, window, StructureNotifyMask);
    XMapWindow(display, window);
    for (XEvent event;;) {
        XNextEvent(display, &event);
        if (event.type == MapNotify) break;
    }
    std::printf("0x%lx\n", window);
    std::fflush(stdout);
    // Serve the connection until stdin closes (or the process is killed).
    pollfd fds[2] = {{ConnectionNumber(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
        }
        if (poll(fds, 2, -1) < 0) break;
        if (fds[1].revents & (POLLIN | POLLHUP)) {
            char buffer[64];
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0) break;
        }
    }
    XCloseDisplay(display);
    return 0;
}
