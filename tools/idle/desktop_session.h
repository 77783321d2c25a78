// What the desktop says on the session bus: its lock screen's state
// (org.gnome.ScreenSaver and org.freedesktop.ScreenSaver: GetActive and
// ActiveChanged, as GNOME's and KDE's lock screens offer them), the
// inhibitors its session or power manager keeps (GNOME's session manager,
// Plasma's PowerDevil) and, on GNOME, whether Mutter has put the displays
// into power saving. Our own org.freedesktop.ScreenSaver (screensaver_service.h)
// is never asked: it is the watcher itself.
#pragma once

#include <gio/gio.h>

#include <string>

#include "screensaver_service.h"
#include "session_events.h"

class DesktopSession {
public:
    DesktopSession(GDBusConnection* sessionBus, SessionEvents& events, const ScreenSaverService& ownService);
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // The desktop's lock screen (or screensaver) is up.
    bool locked();
    // Who holds the screensaver off ("GNOME's session manager", "Plasma's
    // power management"); empty when nobody does.
    std::string inhibitor();

private:
    static void signalled(GDBusConnection*, const gchar* sender, const gchar* path, const gchar* interface,
                          const gchar* member, GVariant* parameters, gpointer data);

    GDBusConnection* bus;
    SessionEvents& events;
    const ScreenSaverService& ownService;
    guint subscriptions[4] = {};
};
