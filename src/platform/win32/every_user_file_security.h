// The security descriptor of a file that every user of the machine may
// replace, such as the settings file in the application-data folder all users
// share. There a new file would otherwise belong to whoever made it, and every
// other account, or the same one unelevated after the elevated installer
// wrote it, could only read it.
//
// The list is explicit and protected from the folder's inherited entries:
//   SYSTEM, Administrators  full control
//   Users                   modify (read, write, delete; not the permissions
//                           or the owner)
// Deleting is what lets any user put a new file in its place.
#pragma once

#include <windows.h>

namespace platform {

// The descriptor in the system's own notation (SDDL).
constexpr char everyUserMayReplaceSddl[] = "D:P(A;;FA;;;SY)(A;;FA;;;BA)(A;;0x1301bf;;;BU)";

// Holds the descriptor for as long as it lives.
class EveryUserFileSecurity {
public:
    EveryUserFileSecurity();
    ~EveryUserFileSecurity();
    EveryUserFileSecurity(const EveryUserFileSecurity&) = delete;
    EveryUserFileSecurity& operator=(const EveryUserFileSecurity&) = delete;

    // For CreateFile; null when the system could not build the descriptor.
    SECURITY_ATTRIBUTES* attributes() { return attributes_.lpSecurityDescriptor ? &attributes_ : nullptr; }

private:
    SECURITY_ATTRIBUTES attributes_{};
};

}  // namespace platform
