# Shared helpers for the end-to-end tests (sourced). Each test runs under its
# own virtual X server (run-under-xvfb) with $AMBER_SAVER_DIR pointing at the
# built install directory.
set -u

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "PASS: $*"; }

work=$(mktemp -d)
cleanup_work() { rm -rf "$work"; }
trap cleanup_work EXIT

# Keep the tests away from any installed copy, the user's settings and the
# user's skin folder. XDG_DATA_DIRS stays: GLib's schemas, GTK's and the
# screensaver daemons' files are found there.
export AMBER_BELL_SYSCONFDIR="$work/etc"
export XDG_CONFIG_HOME="$work/config"
export XDG_DATA_HOME="$work/data"
export XDG_STATE_HOME="$work/state"  # the idle watcher's log
mkdir -p "$AMBER_BELL_SYSCONFDIR" "$XDG_CONFIG_HOME"

saver="$AMBER_SAVER_DIR/amber-bell"

# Records DIR as the install directory.
set_install_dir() {
    mkdir -p "$AMBER_BELL_SYSCONFDIR/lumivera/Amber Bell/Settings"
    printf '%s\n' "$1" > "$AMBER_BELL_SYSCONFDIR/lumivera/Amber Bell/Settings/Path"
}

# Little-endian int32 as printf escapes.
le32() {
    local v=$(( $1 & 0xFFFFFFFF ))
    printf '\\x%02x\\x%02x\\x%02x\\x%02x' $((v & 255)) $((v >> 8 & 255)) $((v >> 16 & 255)) $((v >> 24 & 255))
}

# write_settings EXIT_ON_MOUSE RESOLUTION FPS CLOCK ANALOG H24 LARGE CALENDAR RUSSIAN
# writes a current-layout settings file with empty blocks where the saver reads it.
write_settings() {
    local bytes
    bytes="$(le32 1)$(le32 0)$(le32 0)$(printf '\\x%02x' "$1")$(le32 0)$(le32 "$2")"
    shift 2
    for flag in "$@"; do bytes+=$(printf '\\x%02x' "$flag"); done
    printf "$bytes" > "$XDG_CONFIG_HOME/lumivera_Amber Bell_cfg"
}

# How long a test waits for an event (a window, a frame, a process ending)
# before it calls it missing: generous, as a loaded machine is slow.
e2e_deadline=${AMBER_E2E_DEADLINE:-60}

# poll [SECONDS] COMMAND...: runs COMMAND every 0.2 s until it succeeds; fails
# (status 1) once SECONDS (default e2e_deadline) have passed.
poll() {
    local limit=$e2e_deadline
    case "$1" in [0-9]*) limit=$1; shift ;; esac
    local deadline=$(( $(date +%s) + limit ))
    until "$@"; do
        [ "$(date +%s)" -lt "$deadline" ] || return 1
        sleep 0.2
    done
}

# window_colour ID [WxH+X+Y]: the mean colour of the window, or of a part of
# it, as "r g b" (0..255).
window_colour() {
    local crop=()
    [ $# -gt 1 ] && crop=(-crop "$2")
    import -window "$1" "${crop[@]}" -resize 1x1\! -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' | head -n 1
}

# is_drawn ID [WxH+X+Y]: the window (or part) shows a picture: neither black
# (cleared only) nor white (a host window before we draw), nor unreadable.
is_drawn() {
    case "$(window_colour "$@")" in
        ""|"0 0 0"|"255 255 255") return 1 ;;
    esac
}

# compare_metric METRIC A B: ImageMagick's measure of how two pictures differ
# (AE: the pixels that differ; PSNR: in dB, "inf" when none does), as one
# number: ImageMagick 7 adds its normalised value in brackets.
compare_metric() { compare -metric "$1" "$2" "$3" null: 2>&1 | cut -d' ' -f1; }

# frame_id ID: a checksum of what the window shows now.
frame_id() { import -window "$1" -depth 8 rgb:- 2>/dev/null | md5sum | cut -c1-32; }

# wait_frames ID [N]: waits until the window has shown N (default 2) pictures
# after the current one: proof that the show's loop went round, and so that
# it drained the input sent before the call.
wait_frames() {
    local id=$1 n=${2:-2} last next
    last=$(frame_id "$id")
    for _ in $(seq 1 "$n"); do
        poll changed_from "$id" "$last" || return 1
        last=$next_frame
    done
}
changed_from() {
    next_frame=$(frame_id "$1")
    [ "$next_frame" != "$2" ]
}

# saver_window PID: the id of the saver's own window (by class) once it is
# viewable, or fails while the process lives.
saver_window_viewable() {
    window_id=$(xdotool search --class '^amber-bell$' 2>/dev/null | head -n 1)
    [ -n "$window_id" ] && xwininfo -id "$window_id" 2>/dev/null | grep -q 'IsViewable'
}

# wait_for_window PID: prints the id of the saver's window once it is mapped
# and a frame is on the screen (SDL maps, resizes and grabs the keyboard
# before the first frame); fails when the process ends first or time runs
# out. The frame is looked for on the root window: SDL draws into a child
# window that a capture of its own window does not show.
wait_for_window() {
    local pid=$1 deadline=$(( $(date +%s) + e2e_deadline ))
    while [ "$(date +%s)" -lt "$deadline" ]; do
        kill -0 "$pid" 2>/dev/null || return 1
        if saver_window_viewable && is_drawn root; then
            echo "$window_id"
            return 0
        fi
        sleep 0.2
    done
    return 1
}

# wait_exit PID [SECONDS]: waits for the child process to end and sets
# exit_code to its exit code, or to "timeout" (after killing it).
wait_exit() {
    local pid=$1 limit=${2:-$e2e_deadline}
    if poll "$limit" eval "! kill -0 $pid 2>/dev/null"; then
        wait "$pid"
        exit_code=$?
        return 0
    fi
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit_code=timeout
}

# is_stopped PID: the process is stopped by a signal.
is_stopped() { [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" = T ]; }

# read_status PID ERRFILE: asks the running show for its status line (SIGUSR1;
# see src/app/show_status.h) and waits until it stands in ERRFILE, its
# standard error; sets `status`.
read_status() {
    local pid=$1 file=$2 before
    before=$(grep -c ' status ' "$file" 2>/dev/null)
    kill -USR1 "$pid" || return 1
    poll eval '[ "$(grep -c " status " "$file")" -gt "$before" ]' || return 1
    status=$(grep ' status ' "$file" | tail -n 1)
}

# status_field NAME: the value of NAME= in the last status line read.
status_field() { sed -n "s/.* $1=\([^ ]*\).*/\1/p" <<<"$status"; }

# rss_kb PID: the resident memory of the process in KiB.
rss_kb() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
