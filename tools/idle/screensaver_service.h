// org.freedesktop.ScreenSaver on the session bus, where nobody else offers it
// (sway and the other wlroots compositors, Hyprland, labwc, X11 window
// managers): browsers and players ask it to hold the screensaver off while a
// video plays, and the watcher honours what they ask. An inhibit lasts until
// its caller calls UnInhibit or leaves the bus. GetActive and ActiveChanged
// tell whether the show runs. It is never offered on desktops whose session
// offers it (GNOME, KDE, MATE, Xfce, Cinnamon...) or where the bus would start
// someone's on demand, and a desktop service that asks to replace the name
// gets it. Both of the paths clients use are served: /org/freedesktop/ScreenSaver
// and /ScreenSaver.
#pragma once

#include <gio/gio.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>

class ScreenSaverService {
public:
    // Asks for the name; `changed` is called when the last inhibit goes.
    ScreenSaverService(GDBusConnection* bus, std::function<void()> changed);
    ~ScreenSaverService();
    ScreenSaverService(const ScreenSaverService&) = delete;
    ScreenSaverService& operator=(const ScreenSaverService&) = delete;

    // We hold the name now (false while asking, and when someone else has it).
    bool owned() const { return holdsName; }
    // The application that holds an inhibit, or empty when none does.
    std::string inhibitor() const;
    // The show runs (or no longer does): GetActive's answer, and ActiveChanged.
    void setActive(bool active);

private:
    struct Inhibit {
        std::string sender;       // the caller's unique bus name
        std::string application;  // as it named itself
    };
    static void methodCall(GDBusConnection*, const gchar* sender, const gchar*, const gchar*, const gchar* method,
                           GVariant* parameters, GDBusMethodInvocation* invocation, gpointer data);
    void uninhibit(uint32_t cookie);
    void forgetSender(const std::string& sender);
    void watchSender(const std::string& sender);

    GDBusConnection* bus;
    std::function<void()> changed;
    guint ownerId = 0;
    guint objects[2] = {0, 0};
    bool holdsName = false;
    bool active = false;
    uint32_t nextCookie = 1;
    std::map<uint32_t, Inhibit> inhibits;
    std::map<std::string, guint> senderWatches;  // one watch per caller while it holds an inhibit
};
