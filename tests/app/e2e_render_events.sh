# Which input ends the show: Escape always; mouse motion only with the
# setting and only after the first 3000 ms; nothing else.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

start_saver() {
    started=$(date +%s%N)
    "$saver" & pid=$!
    window=$(wait_for_window "$pid") || fail "no window appeared"
    shown=$(date +%s%N)
}
# SDL's clock starts before the window is mapped and after the process starts,
# so it reads at least ms_since_shown and at most ms_since_start.
ms_since_start() { echo $(( ($(date +%s%N) - started) / 1000000 )); }
ms_since_shown() { echo $(( ($(date +%s%N) - shown) / 1000000 )); }
expect_running() { kill -0 "$pid" 2>/dev/null || fail "$1 ended the show"; }
end_with_escape() {
    xdotool key Escape
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "exit after Escape: $exit_code"
}
# Frames drawn after input was sent prove the show has taken it.
frames_after_input() { wait_frames root || fail "no frames after the input"; }

# Escape in the very first moments ends the show.
start_saver
xdotool key Escape
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "early Escape: exit $exit_code"
pass "Escape right after start ends the show with 0"

# With exitOnMouseMove: motion in the first 3 s is ignored, later motion ends
# it. Whether the show took the early motion before its 3000 ms is known only
# afterwards; a machine too slow for that is given another try.
write_settings 1 1  0 1 0 0 1 1 0
for try in 1 2 3 4 5; do
    start_saver
    xdotool mousemove 100 100 mousemove 300 200
    # Two new frames, or the end of the show when it (wrongly) took the motion;
    # each picture is taken once, as the time counts.
    next_frame=$(frame_id root)
    for _ in 1 2; do
        last=$next_frame
        poll eval '! kill -0 "$pid" 2>/dev/null || changed_from root "$last"'
    done
    [ "$(ms_since_start)" -lt 3000 ] && break
    echo "try $try: the early motion was taken after $(ms_since_start) ms; again" >&2
    [ "$try" -lt 5 ] || fail "machine too slow to move the mouse within 3 s"
    kill "$pid" 2>/dev/null
    wait_exit "$pid"
done
expect_running "mouse motion in the first 3 s"
poll eval '[ "$(ms_since_shown)" -gt 3300 ]'
xdotool mousemove 500 400 mousemove 520 420
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "mouse motion after 3 s: exit $exit_code"
pass "mouse motion ends the show only after 3 s when asked to"

# Without exitOnMouseMove, motion, clicks, other keys and a close request do
# nothing; Escape still works.
write_settings 0 1  0 1 0 0 1 1 0
start_saver
poll eval '[ "$(ms_since_shown)" -gt 3300 ]'
xdotool mousemove 10 10 mousemove 200 300
xdotool click 1
xdotool key a
xdotool key space
"$AMBER_TEST_BIN/x-close-request" "$window" || fail "could not send the close request"
frames_after_input
expect_running "motion, a click, a key or a close request"
end_with_escape
pass "only Escape ends the show without the mouse setting"
