// The Wayland compositor's outputs, and whether they are powered: through
// wlr-output-power-management (sway and the other wlroots compositors,
// Hyprland, labwc, niri), whose mode events say when a compositor's idle
// configuration (swayidle's `output * power off`) turns the displays off, or
// KWin's DPMS protocol (org_kde_kwin_dpms), where the compositor offers it.
// Screen lockers that use ext-session-lock-v1 (swaylock) tell other clients
// nothing, so the displays going dark is the sign that nobody sees the show.
// Only listens: it never sets a mode. Without a Wayland compositor, or one
// without the protocol, nothing is reported.
#pragma once

#include <glib.h>

#include <cstdint>
#include <map>

#include "session_events.h"

struct wl_display;
struct wl_registry;
struct wl_output;
struct zwlr_output_power_manager_v1;
struct zwlr_output_power_v1;
struct org_kde_kwin_dpms_manager;
struct org_kde_kwin_dpms;

class WaylandDisplays {
public:
    explicit WaylandDisplays(SessionEvents& events);
    ~WaylandDisplays();
    WaylandDisplays(const WaylandDisplays&) = delete;
    WaylandDisplays& operator=(const WaylandDisplays&) = delete;

    // Every output the compositor reports on is off.
    bool allOff() const;

    // The protocol listeners' entry points (wayland_displays.cpp).
    static void global(void* data, wl_registry* registry, uint32_t id, const char* interface, uint32_t version);
    static void globalRemove(void* data, wl_registry* registry, uint32_t id);
    static void mode(void* data, zwlr_output_power_v1* power, uint32_t mode);
    static void failed(void* data, zwlr_output_power_v1* power);
    static void dpmsSupported(void* data, org_kde_kwin_dpms* dpms, uint32_t supported);
    static void dpmsMode(void* data, org_kde_kwin_dpms* dpms, uint32_t mode);
    static void dpmsDone(void* data, org_kde_kwin_dpms* dpms);

private:
    struct Output {
        wl_output* output = nullptr;
        zwlr_output_power_v1* power = nullptr;
        org_kde_kwin_dpms* dpms = nullptr;
        bool on = true;
        bool dpmsOn = true;  // KWin's mode, taken at its done event
    };
    static gboolean readable(gint, GIOCondition condition, gpointer data);
    bool watching() const { return manager || dpmsManager; }
    void watchOutput(uint32_t id);
    Output* find(const void* proxy);
    void modeChanged(Output* output, bool on);
    void forget(Output& output);

    SessionEvents& events;
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    zwlr_output_power_manager_v1* manager = nullptr;
    org_kde_kwin_dpms_manager* dpmsManager = nullptr;
    std::map<uint32_t, Output> outputs;  // by the output's global name
    guint fdWatch = 0;
};
