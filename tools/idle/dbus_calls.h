// The few D-Bus calls the idle watcher makes, written once: a synchronous call
// with a short timeout that never starts a service, a boolean reply, a name's
// owner and a property. Each takes a null bus (no session or system bus) as
// "nobody answers".
#pragma once

#include <gio/gio.h>

#include <string>

namespace dbus {

constexpr int callTimeoutMs = 2000;

// The reply of a call, or null (no bus, no such service, an error, no answer
// in time). Takes `parameters` (floating) whatever happens.
GVariant* call(GDBusConnection* bus, const char* name, const char* path, const char* interface, const char* method,
               GVariant* parameters, const char* replyType);

// A "(b)" reply's value; false for null. Frees the reply.
bool boolReply(GVariant* reply);

// Whether someone owns `name` on `bus`.
bool nameOwned(GDBusConnection* bus, const char* name);

// Property `property` of `interface` at `path`, or null. The caller unrefs it.
GVariant* property(GDBusConnection* bus, const char* name, const char* path, const char* interface,
                   const char* property);

// A signal subscription's id (0 for a null bus); unsubscribed with unsubscribe().
guint subscribe(GDBusConnection* bus, const char* sender, const char* interface, const char* member,
                const char* path, GDBusSignalCallback callback, gpointer data);
void unsubscribe(GDBusConnection* bus, guint& id);

}  // namespace dbus
