// The Wayland compositor's outputs, and whether they are powered: through
// wlr-output-power-management (sway and the other wlroots compositors,
// Hyprland, labwc, niri), whose mode events say when a compositor's idle
// configuration (swayidle's `output * power off`) turns the displays off.
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

private:
    struct Output {
        wl_output* output = nullptr;
        zwlr_output_power_v1* power = nullptr;
        bool on = true;
    };
    static gboolean readable(gint, GIOCondition condition, gpointer data);
    void watchOutput(uint32_t id);
    void modeChanged(zwlr_output_power_v1* power, bool on);
    void forget(Output& output);

    SessionEvents& events;
    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    zwlr_output_power_manager_v1* manager = nullptr;
    std::map<uint32_t, Output> outputs;  // by the output's global name
    guint fdWatch = 0;
};
