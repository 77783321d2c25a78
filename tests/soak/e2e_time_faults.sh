# Time faults on the real program, through libfaketime: the machine's clock
# jumps a day forward and then an hour back, and the program is stopped for
# ten minutes (SIGSTOP while the clock moves on ten minutes, then SIGCONT).
# The show keeps drawing, the clock and the calendar follow the new time, the
# scene comes back to its size and memory stays bounded.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

faketime_lib=$(dpkg -L libfaketime 2>/dev/null | grep '/libfaketime\.so\.1$' | head -n 1)
[ -n "$faketime_lib" ] || fail "libfaketime is not installed"

# Frame counter, digital 24-hour clock, calendar; row 1 (640x480).
write_settings 0 1  1 1 0 1 1 1 0
offset_file="$work/clock-offset"

# start_show [ENV...]: the saver with the clock offset read from offset_file.
start_show() {
    echo "+0" > "$offset_file"
    env LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$offset_file" FAKETIME_CACHE_DURATION=1 \
        "$@" "$saver" 2>"$work/err" & pid=$!
    wait_for_window "$pid" >/dev/null || fail "no window appeared: $(cat "$work/err")"
}

# shows_time OFFSET: the show reads the machine's time moved by OFFSET (a
# date(1) relative time), and its clock and calendar page show that time.
shows_time() {
    read_status "$pid" "$work/err" || return 1
    local expected shown
    expected=$(date -d "$1" '+%Y-%m-%d %H:%M')
    shown=$(sed -n 's/.* time=\([0-9-]* [0-9]*:[0-9]*\).*/\1/p' <<<"$status")
    [ "$shown" = "$expected" ] &&
        [ "$(status_field clock)" = "${expected#* }" ] &&
        [ "$(status_field calendar-day)" = "$(date -d "$1" +%-d)" ]
}

# scene_settles: the small hearts are back in their band and the frames go on.
scene_settles() {
    read_status "$pid" "$work/err" || return 1
    local hearts frames
    hearts=$(status_field hearts) frames=$(status_field frames)
    [ "$hearts" -ge 400 ] && [ "$hearts" -le 600 ] && [ "$frames" -gt "$last_frames" ]
}

# fill_in: waits for the small hearts to fill in; notes the memory then.
fill_in() {
    poll eval 'read_status "$pid" "$work/err" && [ "$(status_field hearts)" -ge 400 ]' ||
        fail "the small hearts did not fill in: $status"
    settled_rss=$(rss_kb "$pid")
}

# follows OFFSET WHAT: after the clock moved by OFFSET, the clock and the
# calendar show it, the scene settles and memory stays within a tenth.
follows() {
    poll shows_time "$1" || fail "clock and calendar did not follow $2: $status"
    last_frames=$(status_field frames)
    poll scene_settles || fail "the scene did not settle after $2: $status"
    local rss
    rss=$(rss_kb "$pid")
    [ "$rss" -le $(( settled_rss + settled_rss / 10 )) ] || fail "memory grew from $settled_rss to $rss KiB after $2"
}

end_show() {
    kill -TERM "$pid"
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "SIGTERM after $1 gave exit $exit_code"
}

# --- the clock jumps: a day forward, then an hour back ----------------------
# A change of the machine's clock leaves the monotonic clock alone.
start_show FAKETIME_DONT_FAKE_MONOTONIC=1
poll shows_time "now" || fail "the show does not read the time: $status"
fill_in
echo "+1d" > "$offset_file"
follows "now + 1 day" "a day forward"
pass "a day forward: the clock and the calendar follow, the show goes on"
echo "+23h" > "$offset_file"
follows "now + 23 hours" "an hour back"
pass "an hour back: the clock and the calendar follow, the show goes on"
end_show "the clock jumps"

# --- ten minutes stopped --------------------------------------------------------
start_show
fill_in
kill -STOP "$pid"
poll is_stopped "$pid" || fail "SIGSTOP did not stop the show"
echo "+10m" > "$offset_file"
kill -CONT "$pid"
follows "now + 10 minutes" "ten minutes stopped"
end_show "the stop"
pass "ten minutes stopped: the show resumes, follows the clock and stays bounded"
