// An environment variable as a test sets it and gives it back: a value, or
// none for unset.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

using Value = std::optional<std::string>;

inline void put(const char* name, const Value& value) {
    if (value) {
        setenv(name, value->c_str(), 1);
    } else {
        unsetenv(name);
    }
}

inline Value get(const char* name) {
    const char* value = std::getenv(name);
    return value ? Value(value) : std::nullopt;
}
