// Reading a file whole into memory: the packages of the show and the files
// of the tools. Portable C stdio; it lives here beside its counterpart
// (replace_whole_file.h) because every layer that reads files reaches it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The bytes of the file at `path`. False, with `error` "cannot open PATH:
// reason" or "cannot read PATH", when it cannot be opened or read whole.
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);

}  // namespace platform
