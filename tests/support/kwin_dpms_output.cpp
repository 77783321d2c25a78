// A Wayland server with one output and KWin's DPMS protocol, for the idle
// watcher's test (a headless KWin offers no DPMS on its virtual outputs).
// Listens on the socket named by its argument in $XDG_RUNTIME_DIR, prints
// "ready", and turns the output off on SIGUSR1 and on again on SIGUSR2, as
// KWin does when the screen's power changes.
#include <wayland-server.h>

#include <csignal>
#include <cstdio>
#include <list>

#include "kde-dpms-server-protocol.h"

namespace {

std::list<wl_resource*> watchers;
uint32_t mode = ORG_KDE_KWIN_DPMS_MODE_ON;

void tell(wl_resource* dpms) { org_kde_kwin_dpms_send_mode(dpms, mode), org_kde_kwin_dpms_send_done(dpms); }

void forget(wl_resource* dpms) { watchers.remove(dpms); }

void release(wl_client*, wl_resource* dpms) { wl_resource_destroy(dpms); }
void set(wl_client*, wl_resource*, uint32_t) {}
const struct org_kde_kwin_dpms_interface dpmsRequests = {set, release};

void get(wl_client* client, wl_resource*, uint32_t id, wl_resource*) {
    wl_resource* dpms = wl_resource_create(client, &org_kde_kwin_dpms_interface, 1, id);
    if (!dpms) return;
    wl_resource_set_implementation(dpms, &dpmsRequests, nullptr, forget);
    watchers.push_back(dpms);
    org_kde_kwin_dpms_send_supported(dpms, 1);
    tell(dpms);
}
const struct org_kde_kwin_dpms_manager_interface managerRequests = {get};

void bindManager(wl_client* client, void*, uint32_t version, uint32_t id) {
    wl_resource* manager = wl_resource_create(client, &org_kde_kwin_dpms_manager_interface, version, id);
    if (manager) wl_resource_set_implementation(manager, &managerRequests, nullptr, nullptr);
}

void bindOutput(wl_client* client, void*, uint32_t version, uint32_t id) {
    wl_resource_create(client, &wl_output_interface, version, id);
}

int powerChanged(int signal, void*) {
    mode = signal == SIGUSR1 ? ORG_KDE_KWIN_DPMS_MODE_OFF : ORG_KDE_KWIN_DPMS_MODE_ON;
    for (wl_resource* dpms : watchers) tell(dpms);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return 2;
    wl_display* display = wl_display_create();
    if (!display || wl_display_add_socket(display, argv[1]) != 0) return 1;
    wl_global_create(display, &wl_output_interface, 1, nullptr, bindOutput);
    wl_global_create(display, &org_kde_kwin_dpms_manager_interface, 1, nullptr, bindManager);
    wl_event_loop* loop = wl_display_get_event_loop(display);
    for (int signal : {SIGUSR1, SIGUSR2}) wl_event_loop_add_signal(loop, signal, powerChanged, nullptr);
    std::puts("ready");
    std::fflush(stdout);
    wl_display_run(display);  // until SIGTERM
}
