#include "platform/win32/every_user_file_security.h"

#include <sddl.h>

namespace platform {

EveryUserFileSecurity::EveryUserFileSecurity() {
    attributes_.nLength = sizeof attributes_;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (ConvertStringSecurityDescriptorToSecurityDescriptorA(everyUserMayReplaceSddl, SDDL_REVISION_1,
                                                             &descriptor, nullptr)) {
        attributes_.lpSecurityDescriptor = descriptor;
    }
}

EveryUserFileSecurity::~EveryUserFileSecurity() {
    if (attributes_.lpSecurityDescriptor) LocalFree(attributes_.lpSecurityDescriptor);
}

}  // namespace platform
