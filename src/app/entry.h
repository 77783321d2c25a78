// The portable entry point: picks the run mode from the command-line text and
// runs it. Returns the process exit code.
#pragma once

#include <string>

int entryPoint(const std::string& commandLine);
