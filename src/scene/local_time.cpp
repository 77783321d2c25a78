#include "scene/local_time.h"

namespace {

bool useFixed = false;
std::tm fixedTime{};

// Several clock parts read the time every frame; converting once per second
// keeps localtime's time-zone checks out of the frame.
std::time_t cachedSecond = -1;
std::tm cachedTime{};

}  // namespace

std::tm localTimeNow() {
    if (useFixed) return fixedTime;
    const std::time_t now = std::time(nullptr);
    if (now != cachedSecond) {
        const std::tm* local = std::localtime(&now);
        cachedTime = local ? *local : std::tm{};
        cachedSecond = now;
    }
    return cachedTime;
}

void setFixedLocalTime(const std::tm* fixed) {
    useFixed = fixed != nullptr;
    if (fixed) fixedTime = *fixed;
}
