// This login session as logind (org.freedesktop.login1, on the system bus)
// sees it: found from XDG_SESSION_ID, else logind's "auto" (the caller's own
// session, or the user's graphical one), never by process id, which a
// watcher started by the systemd user manager shares with no session.
// Reports a lock (Lock, LockedHint), the system going to sleep
// (PrepareForSleep) and the session's end (SessionRemoved), and answers
// whether the session is locked and whether an idle inhibitor is held
// (systemd-inhibit --what=idle; BlockInhibited). Without logind every answer
// is no and nothing is reported.
#pragma once

#include <gio/gio.h>

#include <string>

#include "session_events.h"

class LogindSession {
public:
    LogindSession(GDBusConnection* systemBus, SessionEvents& events);
    ~LogindSession();
    LogindSession(const LogindSession&) = delete;
    LogindSession& operator=(const LogindSession&) = delete;

    bool locked();
    bool idleInhibited();
    // The session's object path, empty when logind knows none.
    const std::string& path() const { return sessionPath; }

private:
    static void signalled(GDBusConnection*, const gchar*, const gchar* path, const gchar* interface,
                          const gchar* member, GVariant* parameters, gpointer data);
    void sessionPropertiesChanged(GVariant* parameters);

    GDBusConnection* bus;
    SessionEvents& events;
    std::string sessionPath;
    guint subscriptions[5] = {};
};
