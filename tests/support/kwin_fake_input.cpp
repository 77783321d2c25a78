// kwin-fake-input: moves KWin's pointer by one pixel and back through KWin's
// fake-input protocol, as a user's hand would: input the compositor counts
// (KWin takes no virtual keyboard, and Xwayland's XTEST stays inside X).
// KWin must run with KWIN_WAYLAND_NO_PERMISSION_CHECKS=1. Exit 1 on failure.
#include <wayland-client.h>

#include <cstring>

#include "fake-input-client-protocol.h"

namespace {

org_kde_kwin_fake_input* fakeInput = nullptr;

void global(void*, wl_registry* registry, uint32_t id, const char* interface, uint32_t) {
    if (std::strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0) {
        fakeInput = static_cast<org_kde_kwin_fake_input*>(
            wl_registry_bind(registry, id, &org_kde_kwin_fake_input_interface, 1));
    }
}
void globalRemove(void*, wl_registry*, uint32_t) {}
const wl_registry_listener listener = {global, globalRemove};

}  // namespace

int main() {
    wl_display* display = wl_display_connect(nullptr);
    if (!display) return 1;
    wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
    if (wl_display_roundtrip(display) < 0 || !fakeInput) return 1;
    org_kde_kwin_fake_input_authenticate(fakeInput, "amber-bell tests", "user input for the idle watcher's test");
    org_kde_kwin_fake_input_pointer_motion(fakeInput, wl_fixed_from_int(1), wl_fixed_from_int(0));
    org_kde_kwin_fake_input_pointer_motion(fakeInput, wl_fixed_from_int(-1), wl_fixed_from_int(0));
    const bool ok = wl_display_roundtrip(display) >= 0;
    wl_display_disconnect(display);
    return ok ? 0 : 1;
}
