// Fuzzes the settings readers: any bytes give defined options, the
// configuration program's decoder agrees with the screensaver's reader, and
// what it writes back reads as the same options and the same kept blocks.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "settings/settings.h"
#include "settings/settings_file.h"

namespace {

bool sameOptions(const Settings& a, const Settings& b) {
    return a.showFrameCounter == b.showFrameCounter && a.showClock == b.showClock &&
           a.analogClock == b.analogClock && a.clock24Hour == b.clock24Hour &&
           a.largeClock == b.largeClock && a.showCalendar == b.showCalendar &&
           a.russianCalendar == b.russianCalendar && a.exitOnMouseMove == b.exitOnMouseMove &&
           a.resolutionIndex == b.resolutionIndex;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Settings read(data, size);
    if (read.screenWidth() < 0 || read.screenHeight() < 0) __builtin_trap();

    const SettingsFile file = decodeSettingsFile(data, size);
    if (!sameOptions(file.options, read)) __builtin_trap();

    const std::vector<uint8_t> image = encodeSettingsFile(file);
    const Settings again(image.data(), image.size());
    if (!sameOptions(again, read)) __builtin_trap();
    const SettingsFile reread = decodeSettingsFile(image.data(), image.size());
    if (!reread.complete || reread.blockA != file.blockA || reread.blockB != file.blockB ||
        reread.unusedWord != file.unusedWord) {
        __builtin_trap();
    }
    return 0;
}
