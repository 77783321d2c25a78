// Writing a file whole, so that a failure never leaves a broken one: the bytes
// go to a fresh file beside the target, reach the disk, and then take the
// target's place in one step (files.h). Built on the platform's primitives;
// no OS header here.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"

namespace platform {

// Replaces (or creates) `path` with `bytes`, the new file made with `access`
// (files.h). False, with `error` naming the file and the step that failed,
// when anything fails; `path` is then as it was and the fresh file is removed.
bool replaceWholeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error,
                      FileAccess access = FileAccess::folderDefault);

}  // namespace platform
