# A show in a host's window never asks the desktop to hold off its
# screensaver (SDL 2 would, over D-Bus, for any window); a full-screen show
# may. A D-Bus monitor on a session bus of the test's own watches the calls.
if [ -z "${AMBER_OWN_SESSION_BUS:-}" ]; then
    command -v dbus-monitor >/dev/null || { echo "SKIP: dbus-monitor is not installed"; exit 77; }
    AMBER_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" 2> >(grep -v '^dbus-daemon' >&2)
fi
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

# inhibit_calls LOG: the screensaver inhibit calls the monitor saw.
inhibit_calls() { grep -c 'member=Inhibit\b' "$1"; }

# watch NAME COMMAND...: runs the show under a monitor until it has drawn a
# few frames in WINDOW, then ends it with SIGTERM.
watch() {
    local name=$1 log="$work/$1.log"; shift
    dbus-monitor --session >"$log" 2>&1 & monitor=$!
    poll grep -qs 'NameAcquired' "$log" || fail "the D-Bus monitor did not start"
    "$@" & pid=$!
    poll is_drawn "$window" && wait_frames "$window" || fail "$name: nothing drawn"
    kill -TERM "$pid"; wait_exit "$pid"
    kill "$monitor"; wait "$monitor" 2>/dev/null
}

coproc HOST { "$AMBER_TEST_WINDOW" 320 240; }
read -r window <&"${HOST[0]}" || fail "no host window"
watch hosted "$saver" --window-id "$window"
[ "$(inhibit_calls "$work/hosted.log")" = 0 ] || { cat "$work/hosted.log"; fail "the hosted show inhibited the screensaver"; }
pass "a show in a host's window never inhibits the screensaver"

# The monitor sees such calls: SDL 2 makes one for a full-screen window.
if [ "${AMBER_TEST_SDL:-classic}" != classic ]; then
    window=root
    watch full-screen "$saver"
    [ "$(inhibit_calls "$work/full-screen.log")" -gt 0 ] || fail "the monitor saw no inhibit call from SDL 2"
    pass "the monitor sees SDL 2's inhibit call from a full-screen show"
fi
