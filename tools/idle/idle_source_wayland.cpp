// ext-idle-notify-v1: the compositor tells when the seat has been idle for a
// given time and when it is no longer. Version 1's notification honours idle
// inhibitors, so a playing video keeps the show away.
#include <glib-unix.h>
#include <string>
#include <wayland-client.h>

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle_source.h"

namespace {

class WaylandIdleSource final : public IdleSource {
public:
    ~WaylandIdleSource() override {
        if (fdWatch) g_source_remove(fdWatch);
        if (notification) ext_idle_notification_v1_destroy(notification);
        if (notifier) ext_idle_notifier_v1_destroy(notifier);
        if (seat) wl_seat_destroy(seat);
        if (registry) wl_registry_destroy(registry);
        if (display) wl_display_disconnect(display);
    }

    // False when there is no compositor, or it lacks the protocol or a seat.
    bool open() {
        display = wl_display_connect(nullptr);
        if (!display) return false;
        registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &registryListener, this);
        return wl_display_roundtrip(display) >= 0 && notifier && seat;
    }

    const char* name() const override { return "ext-idle-notify-v1"; }

    void watch(unsigned idleMs, IdleEvents watchEvents) override {
        events = std::move(watchEvents);
        notification = ext_idle_notifier_v1_get_idle_notification(notifier, idleMs, seat);
        ext_idle_notification_v1_add_listener(notification, &notificationListener, this);
        wl_display_flush(display);
        fdWatch = g_unix_fd_add(wl_display_get_fd(display), static_cast<GIOCondition>(G_IO_IN | G_IO_HUP | G_IO_ERR),
                                readable, this);
    }

private:
    static void global(void* data, wl_registry* registry, uint32_t id, const char* interface, uint32_t) {
        auto* self = static_cast<WaylandIdleSource*>(data);
        const std::string name = interface;
        if (name == ext_idle_notifier_v1_interface.name && !self->notifier) {
            self->notifier = static_cast<ext_idle_notifier_v1*>(
                wl_registry_bind(registry, id, &ext_idle_notifier_v1_interface, 1));
        } else if (name == wl_seat_interface.name && !self->seat) {
            self->seat = static_cast<wl_seat*>(wl_registry_bind(registry, id, &wl_seat_interface, 1));
        }
    }
    static void globalRemove(void*, wl_registry*, uint32_t) {}
    static constexpr wl_registry_listener registryListener = {global, globalRemove};

    static void idled(void* data, ext_idle_notification_v1*) { static_cast<WaylandIdleSource*>(data)->events.idle(); }
    static void resumed(void* data, ext_idle_notification_v1*) {
        static_cast<WaylandIdleSource*>(data)->events.active();
    }
    static constexpr ext_idle_notification_v1_listener notificationListener = {idled, resumed};

    static gboolean readable(gint, GIOCondition condition, gpointer data) {
        auto* self = static_cast<WaylandIdleSource*>(data);
        if ((condition & (G_IO_HUP | G_IO_ERR)) || wl_display_dispatch(self->display) < 0) {
            self->fdWatch = 0;
            self->events.lost();
            return G_SOURCE_REMOVE;
        }
        wl_display_flush(self->display);
        return G_SOURCE_CONTINUE;
    }

    wl_display* display = nullptr;
    wl_registry* registry = nullptr;
    wl_seat* seat = nullptr;
    ext_idle_notifier_v1* notifier = nullptr;
    ext_idle_notification_v1* notification = nullptr;
    guint fdWatch = 0;
    IdleEvents events;
};

}  // namespace

std::unique_ptr<IdleSource> openWaylandIdleSource() {
    // Without either, libwayland would try "wayland-0" all the same.
    if (!g_getenv("WAYLAND_DISPLAY") && !g_getenv("WAYLAND_SOCKET")) return nullptr;
    auto source = std::make_unique<WaylandIdleSource>();
    if (!source->open()) return nullptr;
    return source;
}
