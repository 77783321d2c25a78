// Windows sends a GUI program no signals that ask it to stop or report: the
// null version.
#include "platform/stop_signals.h"

namespace platform {

void installStopSignals() {}

}  // namespace platform
