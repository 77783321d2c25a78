// amber-test-window WIDTH HEIGHT: a stand-in for a screensaver host's preview
// area. Makes a mapped top-level window of that size with a white background,
// prints its id in decimal and then obeys lines on stdin:
//   destroy   destroys the window (the preview's parent) and goes on reading
// It ends at the end of stdin.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WIDTH HEIGHT\n", argv[0]);
        return 2;
    }
    const int width = std::atoi(argv[1]);
    const int height = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display || width <= 0 || height <= 0) {
        std::fprintf(stderr, "%s: no display or bad size\n", argv[0]);
        return 1;
    }
    const int screen = DefaultScreen(display);
    const Window window =
        XCreateSimpleWindow(display, RootWindow(display, screen), 10, 10, static_cast<unsigned>(width),
                            static_cast<unsigned>(height), 0, BlackPixel(display, screen),
                            WhitePixel(display, screen));
    XStoreName(display, window, "amber-test-window");
    XSelectInput(display, window, ExposureMask);
    XMapWindow(display, window);
    // Mapped and drawn before anyone is told its id.
    XEvent event;
    do {
        XNextEvent(display, &event);
    } while (event.type != Expose);
    std::printf("%lu\n", window);
    std::fflush(stdout);

    std::string line;
    while (std::getline(std::cin, line)) {
        if (line == "destroy") {
            XDestroyWindow(display, window);
            XSync(display, False);
            std::printf("destroyed\n");
            std::fflush(stdout);
        }
    }
    XCloseDisplay(display);
    return 0;
}
