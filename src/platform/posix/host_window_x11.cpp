#include "platform/host_window.h"

#include <X11/Xlib.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "platform/stop_signals.h"

namespace platform {
namespace {

std::vector<std::string> arguments;

bool parseWindowId(const char* text, uint64_t& id) {
    if (!text || !*text) return false;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 0);  // 0x.. hex, else decimal
    if (*end != '\0' || value == 0) return false;
    id = value;
    return true;
}

// XSCREENSAVER_WINDOW may be written in hex without the 0x prefix.
bool parseEnvironmentId(const char* text, uint64_t& id) {
    if (parseWindowId(text, id)) return true;
    if (!text || !*text) return false;
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 16);
    if (*end != '\0' || value == 0) return false;
    id = value;
    return true;
}

// Window ids that do not exist raise an X error instead of returning failure.
int ignoreXError(::Display*, XErrorEvent*) {
    return 0;
}

// One connection of our own for size queries, kept open: the show asks again
// now and then to follow a host window that changes size.
::Display* queryConnection() {
    static ::Display* connection = XOpenDisplay(nullptr);
    return connection;
}

bool querySize(uint64_t id, int32_t& width, int32_t& height) {
    ::Display* display = queryConnection();
    if (!display) return false;
    XErrorHandler previous = XSetErrorHandler(ignoreXError);
    XWindowAttributes attributes{};
    const Status ok = XGetWindowAttributes(display, static_cast<Window>(id), &attributes);
    XSync(display, False);
    XSetErrorHandler(previous);
    if (!ok) return false;
    width = attributes.width;
    height = attributes.height;
    return width > 0 && height > 0;
}

uint64_t rootWindowId() {
    ::Display* display = queryConnection();
    return display ? DefaultRootWindow(display) : 0;
}

// GLX's error numbers, counted from the server's first GLX error code (as in
// GL/glxproto.h, which cannot be included without the protocol's wire types).
enum GlxError { GLXBadDrawable = 2, GLXBadCurrentWindow = 5, GLXBadCurrentDrawable = 11, GLXBadWindow = 12 };

XErrorHandler handlerBeforeHostWatch = nullptr;
int glxFirstError = -1;  // the server's first GLX error code; -1 without GLX

// The errors drawing raises once the window is gone: the core protocol's, and
// GLX's for a drawable or a current window that no longer exist.
bool isWindowGoneError(int code) {
    if (code == BadDrawable || code == BadWindow) return true;
    if (glxFirstError < 0 || code < glxFirstError) return false;
    switch (code - glxFirstError) {
    case GLXBadDrawable:
    case GLXBadCurrentWindow:
    case GLXBadCurrentDrawable:
    case GLXBadWindow:
        return true;
    default:
        return false;
    }
}

int hostWindowGone(::Display* display, XErrorEvent* error) {
    if (isWindowGoneError(error->error_code)) {
        requestStop();
        return 0;
    }
    return handlerBeforeHostWatch ? handlerBeforeHostWatch(display, error) : 0;
}

constexpr HostWindowOption windowOptions[] = {
    {"root", nullptr, "draw into the host's window (XSCREENSAVER_WINDOW), else into the root window"},
    {"window-id", "ID", "draw into the X window ID (decimal, or hexadecimal with 0x)"},
};

}  // namespace

std::span<const HostWindowOption> hostWindowOptions() {
    return windowOptions;
}

void setProcessArguments(int argc, char** argv) {
    arguments.assign(argv + (argc > 0 ? 1 : 0), argv + argc);
}

// A window named on the command line comes first, then the host's variable;
// "-root" means the real root window only when no host window is named (under
// XScreenSaver "-root" is given together with the variable, which names the
// window meant).
HostWindowState findHostWindow(HostWindow& window) {
    uint64_t id = 0;
    bool root = false;
    for (size_t i = 0; i < arguments.size() && id == 0; ++i) {
        const std::string& word = arguments[i];
        if ((word == "-window-id" || word == "--window-id") && i + 1 < arguments.size()) {
            parseWindowId(arguments[i + 1].c_str(), id);
        } else if (word == "-root" || word == "--root") {
            root = true;
        }
    }
    if (id == 0) parseEnvironmentId(std::getenv("XSCREENSAVER_WINDOW"), id);
    if (id == 0 && root) id = rootWindowId();
    // Without a display there is nothing to ask: the video start says so.
    if (id == 0 || !queryConnection()) return HostWindowState::NotNamed;
    window.id = id;
    return querySize(id, window.width, window.height) ? HostWindowState::Found : HostWindowState::Gone;
}

bool hostWindowSize(uint64_t id, int32_t& width, int32_t& height) {
    return querySize(id, width, height);
}

void stopWhenHostWindowGoes() {
    // Error codes are the server's, the same on every connection: asked on
    // ours, as an error handler may not talk to the server.
    int opcode = 0, firstEvent = 0, firstError = 0;
    if (::Display* display = queryConnection(); display && XQueryExtension(display, "GLX", &opcode, &firstEvent, &firstError)) {
        glxFirstError = firstError;
    }
    handlerBeforeHostWatch = XSetErrorHandler(hostWindowGone);
}

const char* windowSystemVideoDriver() {
    return "x11";
}

}  // namespace platform
