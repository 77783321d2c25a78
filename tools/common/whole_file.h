// Reading and writing a file whole, for the tools: packages, model files and
// their textures, pictures, exported entries. Reading is the show's own
// (platform/read_whole_file.h). A plain write: the file is
// truncated and written in place (the screensaver's own files are replaced
// in one step instead, platform/replace_whole_file.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/read_whole_file.h"

using platform::readWholeFile;

// Makes `path` hold `size` bytes from `data`. False, with `error` "cannot
// write PATH", when it cannot.
bool writeWholeFile(const std::string& path, const void* data, size_t size, std::string& error);
inline bool writeWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
    return writeWholeFile(path, bytes.data(), bytes.size(), error);
}
