// The idle watcher's log, shared by the watcher (tools/idle), which says in it
// what it decided and why, and the settings program (tools/config), which
// shows its last line and sends the watcher's own output into it. One file
// per user, $XDG_STATE_HOME/amber-bell/idle.log (else ~/.local/state/...),
// a line each: "HH:MM: no show: the session is locked".
//
// It never grows without bound: past maxIdleLogBytes it keeps its newer half.
// The half is written back into the same file rather than through a new file
// and a rename, because the watcher's stderr (and the show's, which inherits
// it) is a descriptor on this file: after a rename it would write into a
// file nobody reads. Failures are silent: the log is a help, not a duty.
#pragma once

#include <cstddef>
#include <ctime>
#include <string>

constexpr std::size_t maxIdleLogBytes = 64 * 1024;
constexpr std::size_t idleLogTailBytes = 4 * 1024;  // what lastIdleLogLine reads at most

// $XDG_STATE_HOME/amber-bell/idle.log, else ~/.local/state/amber-bell/idle.log
// (a relative XDG_STATE_HOME counts as unset, as XDG folders do); empty when
// neither is set.
std::string idleLogPath();

// Opens the log at `path` for appending (O_APPEND, O_NOFOLLOW, close-on-exec,
// mode 0600), making its folders (0700) as needed. -1 when it cannot be
// opened or is not a regular file. The caller owns and closes the descriptor.
int openIdleLog(const std::string& path);

// Appends "HH:MM: line\n", `when` in local time; then, past maxIdleLogBytes,
// keeps the newer half from a whole line on. Silent on failure.
void appendIdleLog(const std::string& path, const std::string& line, std::time_t when);

// The last line that is not empty, without its line end; empty when there is
// none or no log. Reads at most the last idleLogTailBytes of the file.
std::string lastIdleLogLine(const std::string& path);

// True when this process's stderr is the log at `path` (the settings program
// started it so): a line then goes into the log once, through appendIdleLog,
// not a second time through stderr.
bool stderrIsIdleLog(const std::string& path);
