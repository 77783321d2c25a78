#include "duration.h"

#include <cctype>

std::optional<uint32_t> parseDuration(const std::string& text) {
    size_t digits = 0;
    while (digits < text.size() && std::isdigit(static_cast<unsigned char>(text[digits]))) ++digits;
    if (digits == 0 || digits > 6) return std::nullopt;
    const std::string unit = text.substr(digits);
    uint64_t scale = 0;
    if (unit.empty() || unit == "s") scale = 1000;
    else if (unit == "m") scale = 60 * 1000;
    else if (unit == "h") scale = 60 * 60 * 1000;
    else return std::nullopt;
    const uint64_t ms = std::stoull(text.substr(0, digits)) * scale;
    if (ms < 1000 || ms > 24ull * 60 * 60 * 1000) return std::nullopt;
    return static_cast<uint32_t>(ms);
}
