// Fuzzes the settings readers: any bytes give defined options, the
// configuration program's decoder agrees with the screensaver's reader, and
// what it writes back reads as the same options and the same kept blocks.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "settings/settings.h"
#include "settings/settings_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Settings read(data, size);
    if (read.screenWidth() < 0 || read.screenHeight() < 0) __builtin_trap();

    const SettingsFile file = decodeSettingsFile(data, size);
    if (!(file.options == read)) __builtin_trap();

    const std::vector<uint8_t> image = encodeSettingsFile(file);
    const Settings again(image.data(), image.size());
    if (!(again == read)) __builtin_trap();
    const SettingsFile reread = decodeSettingsFile(image.data(), image.size());
    if (!reread.complete || reread.blockA != file.blockA || reread.blockB != file.blockB ||
        reread.unusedWord != file.unusedWord) {
        __builtin_trap();
    }
    return 0;
}
