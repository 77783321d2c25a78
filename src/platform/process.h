// Starting sibling programs and changing the process environment.
#pragma once

#include <string>

namespace platform {

// Starts the program at `path` with no arguments of its own, the environment
// of this process and `workingDirectory` as its current directory. When `wait`
// is true, blocks until it ends. False when the program could not be started.
bool startProgram(const std::string& path, const std::string& workingDirectory, bool wait);

// Puts "NAME=value" into this process's environment, inherited by programs
// started afterwards (_putenv / putenv). The text is copied.
void putEnvironment(const std::string& assignment);

}  // namespace platform
