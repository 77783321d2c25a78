// Durations as people type them on a command line: "90s", "10m", "1h", or a
// plain number of seconds.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Milliseconds, from 1 s to 24 h; nothing for anything else.
std::optional<uint32_t> parseDuration(const std::string& text);
