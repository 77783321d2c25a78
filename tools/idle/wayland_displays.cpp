#include "wayland_displays.h"

#include <glib-unix.h>
#include <wayland-client.h>

#include <cstring>

#include "kde-dpms-client-protocol.h"
#include "wlr-output-power-management-unstable-v1-client-protocol.h"

namespace {

const wl_registry_listener registryListener = {WaylandDisplays::global, WaylandDisplays::globalRemove};
const zwlr_output_power_v1_listener powerListener = {WaylandDisplays::mode, WaylandDisplays::failed};
const org_kde_kwin_dpms_listener dpmsListener = {WaylandDisplays::dpmsSupported, WaylandDisplays::dpmsMode,
                                                 WaylandDisplays::dpmsDone};

}  // namespace

WaylandDisplays::WaylandDisplays(SessionEvents& events) : events(events) {
    if (!g_getenv("WAYLAND_DISPLAY") && !g_getenv("WAYLAND_SOCKET")) return;
    display = wl_display_connect(nullptr);
    if (!display) return;
    registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registryListener, this);
    // The globals, then the first mode of each output.
    wl_display_roundtrip(display);
    wl_display_roundtrip(display);
    if (!watching()) return;
    fdWatch = g_unix_fd_add(wl_display_get_fd(display), static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                            readable, this);
}

WaylandDisplays::~WaylandDisplays() {
    if (fdWatch) g_source_remove(fdWatch);
    for (auto& [id, output] : outputs) forget(output);
    if (manager) zwlr_output_power_manager_v1_destroy(manager);
    if (dpmsManager) org_kde_kwin_dpms_manager_destroy(dpmsManager);
    if (registry) wl_registry_destroy(registry);
    if (display) wl_display_disconnect(display);
}

bool WaylandDisplays::allOff() const {
    if (outputs.empty()) return false;
    for (const auto& [id, output] : outputs) {
        if (output.on) return false;
    }
    return true;
}

void WaylandDisplays::global(void* data, wl_registry* registry, uint32_t id, const char* interface, uint32_t) {
    auto* self = static_cast<WaylandDisplays*>(data);
    if (std::strcmp(interface, wl_output_interface.name) == 0) {
        self->outputs[id].output = static_cast<wl_output*>(wl_registry_bind(registry, id, &wl_output_interface, 1));
        self->watchOutput(id);
        return;
    }
    if (std::strcmp(interface, zwlr_output_power_manager_v1_interface.name) == 0 && !self->manager) {
        self->manager = static_cast<zwlr_output_power_manager_v1*>(
            wl_registry_bind(registry, id, &zwlr_output_power_manager_v1_interface, 1));
    } else if (std::strcmp(interface, org_kde_kwin_dpms_manager_interface.name) == 0 && !self->dpmsManager) {
        self->dpmsManager = static_cast<org_kde_kwin_dpms_manager*>(
            wl_registry_bind(registry, id, &org_kde_kwin_dpms_manager_interface, 1));
    } else {
        return;
    }
    // Outputs announced before the manager.
    for (auto& [outputId, output] : self->outputs) self->watchOutput(outputId);
}

void WaylandDisplays::globalRemove(void* data, wl_registry*, uint32_t id) {
    auto* self = static_cast<WaylandDisplays*>(data);
    const auto found = self->outputs.find(id);
    if (found == self->outputs.end()) return;
    self->forget(found->second);
    self->outputs.erase(found);
}

void WaylandDisplays::watchOutput(uint32_t id) {
    Output& output = outputs[id];
    if (manager && !output.power) {
        output.power = zwlr_output_power_manager_v1_get_output_power(manager, output.output);
        zwlr_output_power_v1_add_listener(output.power, &powerListener, this);
    }
    if (dpmsManager && !output.dpms) {
        output.dpms = org_kde_kwin_dpms_manager_get(dpmsManager, output.output);
        org_kde_kwin_dpms_add_listener(output.dpms, &dpmsListener, this);
    }
}

void WaylandDisplays::mode(void* data, zwlr_output_power_v1* power, uint32_t mode) {
    auto* self = static_cast<WaylandDisplays*>(data);
    self->modeChanged(self->find(power), mode == ZWLR_OUTPUT_POWER_V1_MODE_ON);
}

// An output whose power the compositor cannot tell counts as on.
void WaylandDisplays::failed(void* data, zwlr_output_power_v1* power) {
    auto* self = static_cast<WaylandDisplays*>(data);
    self->modeChanged(self->find(power), true);
}

// An output without DPMS is reported as on, so its support needs no record.
void WaylandDisplays::dpmsSupported(void*, org_kde_kwin_dpms*, uint32_t) {}

// Standby and suspend leave the screen as dark as off.
void WaylandDisplays::dpmsMode(void* data, org_kde_kwin_dpms* dpms, uint32_t mode) {
    if (Output* output = static_cast<WaylandDisplays*>(data)->find(dpms)) {
        output->dpmsOn = mode == ORG_KDE_KWIN_DPMS_MODE_ON;
    }
}

void WaylandDisplays::dpmsDone(void* data, org_kde_kwin_dpms* dpms) {
    auto* self = static_cast<WaylandDisplays*>(data);
    Output* output = self->find(dpms);
    if (output) self->modeChanged(output, output->dpmsOn);
}

WaylandDisplays::Output* WaylandDisplays::find(const void* proxy) {
    for (auto& [id, output] : outputs) {
        if (static_cast<const void*>(output.power) == proxy || static_cast<const void*>(output.dpms) == proxy) {
            return &output;
        }
    }
    return nullptr;
}

void WaylandDisplays::modeChanged(Output* output, bool on) {
    if (!output) return;
    const bool wasAllOff = allOff();
    output->on = on;
    const bool nowAllOff = allOff();
    if (nowAllOff && !wasAllOff) events.hidden("the displays were powered off");
    if (wasAllOff && !nowAllOff) events.changed();
}

void WaylandDisplays::forget(Output& output) {
    if (output.power) zwlr_output_power_v1_destroy(output.power);
    if (output.dpms) org_kde_kwin_dpms_release(output.dpms);
    if (output.output) wl_output_destroy(output.output);
    output = {};
}

gboolean WaylandDisplays::readable(gint, GIOCondition condition, gpointer data) {
    auto* self = static_cast<WaylandDisplays*>(data);
    // The compositor gone: the idle source sees the same and ends the watch.
    if ((condition & (G_IO_HUP | G_IO_ERR)) || wl_display_dispatch(self->display) < 0) {
        self->fdWatch = 0;
        return G_SOURCE_REMOVE;
    }
    wl_display_flush(self->display);
    return G_SOURCE_CONTINUE;
}
