// Windows' full-screen windows are focused by the system: the null version.
#include "platform/window_focus.h"

namespace platform {

void focusOwnUnmanagedWindow() {}

}  // namespace platform
