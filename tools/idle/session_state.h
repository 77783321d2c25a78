// What the session is doing besides being idle, asked at the moment the show
// would start: whether the screen is locked (the show must never come up over
// or under a lock screen), and whether a screensaver daemon runs that hosts
// the show itself (XScreenSaver, MATE's, Xfce's). Answers come from the
// session bus and the X server; where neither says, the answer is no.
#pragma once

typedef struct _GDBusConnection GDBusConnection;

// logind's LockedHint of this session, or the desktop screensaver interface's
// GetActive (GNOME's, and the freedesktop one KDE and others offer).
bool sessionLocked(GDBusConnection* sessionBus, GDBusConnection* systemBus);

// The daemon's name when one runs ("XScreenSaver", "MATE's screensaver",
// "Xfce's screensaver"); null when none does.
const char* screensaverDaemon(GDBusConnection* sessionBus);
