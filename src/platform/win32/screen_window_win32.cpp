// Windows: the video library's full-screen mode is the show's window; the
// system's own lock screen is a desktop of its own, which no grab can hold.
#include "platform/screen_window.h"

namespace platform {

bool openScreenWindow(int32_t, int32_t, Multisampling, ScreenWindow&) {
    return false;
}

void closeScreenWindow() {}

ScreenWindowInput takeScreenWindowInput() {
    return {};
}

}  // namespace platform
