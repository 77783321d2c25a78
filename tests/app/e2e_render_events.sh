# Which input ends the show: Escape always; mouse motion only with the
# setting and only after the first 3000 ms; nothing else.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

start_saver() {
    started=$(date +%s%N)
    "$saver" & pid=$!
    window=$(wait_for_window "$pid") || fail "no window appeared"
}
ms_since_start() { echo $(( ($(date +%s%N) - started) / 1000000 )); }
expect_running() { kill -0 "$pid" 2>/dev/null || fail "$1 ended the show"; }
end_with_escape() {
    xdotool key Escape
    wait_exit "$pid" 10
    [ "$exit_code" = 0 ] || fail "exit after Escape: $exit_code"
}

# Escape in the very first moments ends the show.
start_saver
xdotool key Escape
wait_exit "$pid" 10
[ "$exit_code" = 0 ] || fail "early Escape: exit $exit_code"
pass "Escape right after start ends the show with 0"

# With exitOnMouseMove: motion in the first 3 s is ignored, later motion ends it.
write_settings 1 1  0 1 0 0 1 1 0
start_saver
xdotool mousemove 100 100; sleep 0.2; xdotool mousemove 300 200
[ "$(ms_since_start)" -lt 2500 ] || fail "machine too slow to move the mouse within 3 s"
sleep 0.5
expect_running "mouse motion in the first 3 s"
while [ "$(ms_since_start)" -lt 3600 ]; do sleep 0.1; done
xdotool mousemove 500 400; sleep 0.1; xdotool mousemove 520 420
wait_exit "$pid" 10
[ "$exit_code" = 0 ] || fail "mouse motion after 3 s: exit $exit_code"
pass "mouse motion ends the show only after 3 s when asked to"

# Without exitOnMouseMove, motion, clicks, other keys and a close request do
# nothing; Escape still works.
write_settings 0 1  0 1 0 0 1 1 0
start_saver
while [ "$(ms_since_start)" -lt 3600 ]; do sleep 0.1; done
xdotool mousemove 10 10; sleep 0.1; xdotool mousemove 200 300
xdotool click 1
xdotool key a
xdotool key space
"$AMBER_TEST_BIN/x-close-request" "$window" || fail "could not send the close request"
sleep 1
expect_running "motion, a click, a key or a close request"
end_with_escape
pass "only Escape ends the show without the mouse setting"
