#include "platform/command_line.h"

namespace platform {

bool switchBySecondCharacter() {
    return false;
}

}  // namespace platform
