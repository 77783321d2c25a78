#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/process.h"

namespace platform {

bool startProgram(const std::string& path, const std::string& workingDirectory, bool wait) {
    // The program gets its own quoted path as its whole command line, so its
    // entry point reads no words at all. Without it Windows would pass the
    // bare path, and a blank in the install directory would hand the program
    // the words behind that blank as if they were switches: under
    // "C:\My Screensavers\" the renderer would read "Screensavers\Amber" and
    // open the settings instead ("C:\Saver Set\" happens to render).
    std::string commandLine = "\"" + path + "\"";
    std::vector<char> commandBuffer(commandLine.begin(), commandLine.end());
    commandBuffer.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandBuffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDirectory.c_str(), &startup, &process)) {
        return false;
    }
    if (wait) WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

void putEnvironment(const std::string& assignment) {
    _putenv(assignment.c_str());  // the C runtime keeps its own copy
}

}  // namespace platform
