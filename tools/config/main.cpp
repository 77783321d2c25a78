// config: the configuration program of the screensaver. Without arguments it
// opens the settings dialog (on a display) or prints the settings; the
// subcommands serve scripts. It writes the settings file the screensaver reads.
#include <CLI/CLI.hpp>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "desktop_timers.h"
#include "platform/paths.h"
#include "settings/settings_file.h"
#include "settings/settings_options.h"
#include "settings/settings_path.h"
#include "idle_switch.h"
#include "settings_dialog.h"
#include "settings_form.h"

namespace {

// The name people type: "config" on Windows, where it sits in the install
// folder; on Linux the command on PATH.
const std::string command = AMBER_CONFIG_COMMAND;

std::string optionsHelp() {
    std::string text = "Options (" + command + " set NAME=VALUE ...):\n";
    for (const SettingsOption& option : settingsOptions) {
        const std::string name = option.name;
        text += "  " + name + std::string(name.size() < 18 ? 18 - name.size() : 1, ' ') +
                option.description + '\n';
    }
    text += "Resolution rows:";
    for (int32_t row = 0; row < resolutionRowCount; ++row) {
        text += (row % 5 == 0 ? "\n  " : ", ") + std::to_string(row) + ": " + resolutionRowText(row);
    }
    text += std::string("\nThe settings file lies in ") + platform::commonAppDataFolderHint +
            "; " + command + " path prints it.";
    return text;
}

// Writes `file` where the screensaver reads it; on failure one line on stderr.
bool save(const std::string& path, const SettingsFile& file, std::string& error) {
    if (!path.empty()) {
        // The folder is made as the platform's own folder query would make it.
        std::error_code ignored;
        std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ignored);
    }
    if (saveSettingsFile(path, file, error)) return true;
    std::cerr << command << ": " << error << '\n';
    return false;
}

// A screensaver's configure switch as Windows gives it: "/c", "/c:HWND" or
// "/c HWND", HWND the number of the window asking for the dialog (0 when
// absent). The screensaver starts this program with no words; the switch is
// taken for those who start it the way Windows starts screensavers.
bool configureSwitch(int argc, char** argv, uint64_t& owner) {
    if (argc < 2) return false;
    const std::string word = argv[1];
    const bool isSwitch = word.size() >= 2 && (word[0] == '/' || word[0] == '-') &&
                          std::tolower(static_cast<unsigned char>(word[1])) == 'c' &&
                          (word.size() == 2 || word[2] == ':');
    if (!isSwitch) return false;
    const char* number = word.size() > 3 ? argv[1] + 3 : argc > 2 ? argv[2] : "0";
    owner = std::strtoull(number, nullptr, 10);
    return true;
}

// The warning of the form when the desktop hides the screen before the
// show starts, with the command that starts it in time; empty otherwise.
std::string idleWarningLine(const IdleChoice& choice) {
    const IdleWarning warning = idleWarning(choice, readDesktopTimers());
    if (warning.text.empty()) return "";
    return "warning: " + warning.text + " (" + command + " idle " + std::to_string(warning.idleMinutes) +
           " starts it in time)";
}

// Applies the idle watcher's choice; on failure one line on stderr. A unit
// that could not be enabled or disabled is a warning, no failure.
bool applyIdle(const IdleChoice& choice, std::string& error) {
    std::string warning;
    const bool applied = applyIdleChoice(choice, error, warning);
    if (!warning.empty()) std::cerr << command << ": warning: " << warning << '\n';
    if (!applied) std::cerr << command << ": " << error << '\n';
    return applied;
}

// "idle" without a value: the choice on the first line, for scripts; then
// whether a watcher runs, what its log said last, and the warning.
void printIdleState() {
    const IdleChoice choice = currentIdleChoice();
    std::cout << (choice.on ? std::to_string(choice.minutes) : "off") << '\n';
    const int watcher = runningWatcherId();
    std::cout << "watcher: " << (watcher > 0 ? "running, process " + std::to_string(watcher) : "not running") << '\n';
    const std::string last = lastWatcherLogLine();
    if (!last.empty()) std::cout << "last: " << last << '\n';
    const std::string warning = idleWarningLine(choice);
    if (!warning.empty()) std::cout << warning << '\n';
}

// "idle": prints the watcher's state; "idle off" or "idle MINUTES" sets it.
// Minutes typed are taken as they are, with a warning when the desktop's own
// timer comes first.
int idleCommand(const std::string& value) {
    if (value.empty()) {
        printIdleState();
        return 0;
    }
    IdleChoice choice;
    if (value != "off") {
        char* end = nullptr;
        const long minutes = std::strtol(value.c_str(), &end, 10);
        if (*end != '\0' || minutes < 1 || minutes > maxIdleMinutes) {
            std::cerr << command << ": idle takes off or minutes from 1 to " << maxIdleMinutes << ", not \"" << value
                      << "\"\n";
            return 1;
        }
        choice = {true, static_cast<int>(minutes)};
    }
    std::string error;
    if (!applyIdle(choice, error)) return 1;
    const std::string warning = idleWarningLine(choice);
    if (!warning.empty()) std::cerr << command << ": " << warning << '\n';
    return 0;
}

// Opens the dialog on the settings in `path` and saves them on OK.
int runDialog(const std::string& path, uint64_t owner) {
    SettingsFile file = loadSettingsFile(path);
    IdleChoice idle = currentIdleChoice();
    const IdleChoice idleBefore = idle;
    if (!openDialogDisplay()) {
        std::cout << formatSettings(file.options);
        std::cerr << command << ": no display for the settings dialog; these are the settings in effect.\n"
                  << "Change them with: " << command << " set NAME=VALUE ... (" << command
                  << " --help lists the options)\n";
        return 0;
    }
    switch (runSettingsDialog(file.options, owner, idleSwitchOffered() ? &idle : nullptr)) {
    case DialogResult::Cancelled:
        return 0;
    case DialogResult::Failed:
        std::cerr << command << ": the settings dialog could not be opened\n";
        showDialogError("The settings dialog could not be opened.");
        return 1;
    case DialogResult::Ok:
        break;
    }
    std::string error;
    if (!save(path, file, error)) {
        showDialogError("The settings could not be saved.\n\n" + error);
        return 1;
    }
    if (idle.on == idleBefore.on && (!idle.on || idle.minutes == idleBefore.minutes)) return 0;
    if (applyIdle(idle, error)) return 0;
    showDialogError("The screensaver could not be turned on or off.\n\n" + error);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    uint64_t owner = 0;
    if (configureSwitch(argc, argv, owner) || argc < 2) return runDialog(settingsFilePath(), owner);
    attachToConsole();

    CLI::App app{"Amber Bell settings. Without a command: the settings dialog."};
    app.require_subcommand(0, 1);
    CLI::App* show = app.add_subcommand("show", "Print every option as name=value");
    CLI::App* set = app.add_subcommand("set", "Change options, e.g. " + command + " set showClock=0 resolutionIndex=3");
    std::vector<std::string> assignments;
    set->add_option("assignments", assignments, "NAME=VALUE ...")->required();
    CLI::App* reset = app.add_subcommand("reset", "Set every option back to its default");
    CLI::App* where = app.add_subcommand("path", "Print the path of the settings file");
    std::string idleValue;
    CLI::App* idle = nullptr;
    if (idleSwitchOffered()) {
        idle = app.add_subcommand("idle", "Start the show after MINUTES without input where no screensaver daemon "
                                          "does (amber-bell-idle), or off; without a value print the choice, "
                                          "whether the watcher runs and what it last did");
        idle->add_option("value", idleValue, "MINUTES (1 to " + std::to_string(maxIdleMinutes) + ") or off");
    }
    app.footer(optionsHelp());
    CLI11_PARSE(app, argc, argv);

    if (idle && *idle) return idleCommand(idleValue);
    const std::string path = settingsFilePath();
    if (*where) {
        if (path.empty()) {
            std::cerr << command << ": the application-data folder cannot be found (on Linux: neither "
                         "$XDG_CONFIG_HOME nor $HOME is set)\n";
            return 1;
        }
        std::cout << path << '\n';
        return 0;
    }

    SettingsFile file = loadSettingsFile(path);
    std::string error;
    if (*show) {
        std::cout << formatSettings(file.options);
        return 0;
    }
    if (*set) {
        if (!applySettingsAssignments(file.options, assignments, error)) {
            std::cerr << command << ": " << error << '\n';
            return 1;
        }
        return save(path, file, error) ? 0 : 1;
    }
    if (*reset) {
        file.options.resetToDefaults();
        return save(path, file, error) ? 0 : 1;
    }
    return runDialog(path, 0);
}
