# Shared helpers for the end-to-end tests (sourced). Each test runs under its
# own virtual X server (run-under-xvfb) with $AMBER_SAVER_DIR pointing at the
# built install directory.
set -u

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "PASS: $*"; }

work=$(mktemp -d)
cleanup_work() { rm -rf "$work"; }
trap cleanup_work EXIT

# Keep the tests away from any installed copy and from the user's settings.
export AMBER_BELL_SYSCONFDIR="$work/etc"
export XDG_CONFIG_HOME="$work/config"
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

# wait_for_window PID: prints the id of the saver's window (by class) once it
# is mapped and has settled, within 20 s; fails otherwise.
wait_for_window() {
    local id
    for _ in $(seq 1 100); do
        id=$(xdotool search --class '^amber-bell$' 2>/dev/null | head -n 1)
        if [ -n "$id" ] && xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; then
            sleep 0.5  # SDL maps, then resizes and grabs the keyboard
            echo "$id"
            return 0
        fi
        kill -0 "$1" 2>/dev/null || return 1
        sleep 0.2
    done
    return 1
}

# wait_exit PID SECONDS: waits for the child process to end and sets
# exit_code to its exit code, or to "timeout" (after killing it).
wait_exit() {
    local pid=$1 limit=$2
    for _ in $(seq 1 $((limit * 10))); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            exit_code=$?
            return 0
        fi
        sleep 0.1
    done
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    exit_code=timeout
}
