# XScreenSaver's options in a host's window: --delay paces the frames (by
# sleeping), --fps / --no-fps and the show's choices win over the settings
# file, bad values are reported and passed over. The full-screen show takes
# them too.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

coproc HOST { "$AMBER_TEST_WINDOW" 320 240; }
read -r host <&"${HOST[0]}" || fail "no host window"

# hosted OPTION...: starts the saver in the host window with those options and
# waits for its first frames; sets pid and status. stderr goes to $work/err.
hosted() {
    : > "$work/err"
    "$saver" --window-id "$host" "$@" 2>"$work/err" & pid=$!
    # SIGUSR1 ends a process that has not set up its handler yet: first a frame.
    poll eval 'is_drawn "$host" || ! kill -0 "$pid" 2>/dev/null'
    poll eval 'read_status "$pid" "$work/err" && [ "$(status_field frames)" -ge 3 ]' ||
        fail "$*: the saver drew no frames ($(cat "$work/err"))"
}
stop() {
    kill -TERM "$pid"
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "SIGTERM gave exit $exit_code"
    # Paint the host white again, so the next run's first frame shows.
    xdotool windowunmap --sync "$host" windowmap --sync "$host"
}

# --- frame pacing -------------------------------------------------------------------
# The status line carries the tick count of the last frame, so the rate is the
# program's own: every frame starts at least 50 ms after the one before.
hosted --delay 50000
first_frames=$(status_field frames) first_ticks=$(status_field ticks)
poll eval 'read_status "$pid" "$work/err" && [ "$(status_field frames)" -ge $((first_frames + 40)) ]' ||
    fail "the paced saver stopped drawing"
frames=$(( $(status_field frames) - first_frames )) ticks=$(( $(status_field ticks) - first_ticks ))
stop
# Tick counts are whole milliseconds: each 50 ms step may read as 49.
[ "$ticks" -ge $(( frames * 49 )) ] || fail "--delay 50000: $frames frames in $ticks ms"
pass "--delay 50000 keeps frames 50 ms apart: $frames frames in $ticks ms ($(( frames * 1000 / ticks )) a second)"

hosted -delay 16667
first_frames=$(status_field frames) first_ticks=$(status_field ticks)
poll eval 'read_status "$pid" "$work/err" && [ "$(status_field frames)" -ge $((first_frames + 60)) ]'
frames=$(( $(status_field frames) - first_frames )) ticks=$(( $(status_field ticks) - first_ticks ))
stop
[ "$ticks" -ge $(( frames * 16 )) ] || fail "-delay 16667: $frames frames in $ticks ms"
pass "-delay 16667: at most 60 frames a second ($frames frames in $ticks ms)"

# --- choices --------------------------------------------------------------------------
# No settings file: calendar and clock, no frame counter.
hosted
[ "$(status_field overlays)" = 2 ] || fail "the defaults show $(status_field overlays) overlays"
stop
hosted --fps
[ "$(status_field overlays)" = 3 ] || fail "--fps shows $(status_field overlays) overlays"
stop
hosted -clock off --calendar off -fps
[ "$(status_field overlays)" = 1 ] || fail "only the counter: $(status_field overlays) overlays"
[ "$(status_field clock)" = "-1:-1" ] && [ "$(status_field calendar-day)" = -1 ] ||
    fail "--clock off --calendar off left $status"
stop
# A settings file with the frame counter on: --no-fps wins.
write_settings 0 0  1 1 0 0 1 1 0
hosted --no-fps --clock digital24
[ "$(status_field overlays)" = 2 ] || fail "--no-fps over the file shows $(status_field overlays) overlays"
[ "$(status_field clock)" != "-1:-1" ] || fail "--clock digital24 shows no digital clock"
grep -q 'ignored$' "$work/err" && fail "good options gave warnings: $(cat "$work/err")"
stop
pass "--fps, --no-fps and the show's choices win over the settings file"

hosted --clock digital --delay fast
grep -qx 'amber-bell: --clock takes off|analog|digital12|digital24, not "digital"; ignored' "$work/err" ||
    fail "no warning for --clock digital: $(cat "$work/err")"
grep -q 'amber-bell: --delay takes microseconds' "$work/err" || fail "no warning for --delay fast"
[ "$(status_field overlays)" = 3 ] || fail "a bad option changed the overlays"
stop
pass "bad values are reported on stderr and passed over"

# Every option XScreenSaver's settings program can pass is one the show takes.
xml="$(dirname "$0")/../../src/platform/posix/xscreensaver/amber-bell.xml"
xml_options=$(sed -n 's/.*arg-\(un\)\{0,1\}set="\([^"]*\)".*/\2/p; s/.*arg="\(--delay\) %".*/\1 50000/p' "$xml" |
              tr '\n' ' ')
[ "$(wc -w <<<"$xml_options")" -ge 20 ] || fail "too few options found in $xml: $xml_options"
hosted $xml_options
grep -q 'ignored$' "$work/err" && fail "the hack description passes options the show refuses: $(cat "$work/err")"
stop
pass "every option in the hack description is taken"

# --- full screen ------------------------------------------------------------------------
# The full-screen show takes the same options, --delay included.
"$saver" --fps --clock off --delay 50000 --bogus 2>"$work/err" & pid=$!
wait_for_window "$pid" >/dev/null || fail "no full-screen window"
read_status "$pid" "$work/err" || fail "no status from the full-screen show"
[ "$(status_field overlays)" = 2 ] || fail "--fps --clock off full screen: $(status_field overlays) overlays"
grep -qx 'amber-bell: unknown option --bogus; ignored' "$work/err" || fail "--bogus not named: $(cat "$work/err")"
first_frames=$(status_field frames) first_ticks=$(status_field ticks)
poll eval 'read_status "$pid" "$work/err" && [ "$(status_field frames)" -ge $((first_frames + 20)) ]' ||
    fail "the paced full-screen show stopped drawing"
frames=$(( $(status_field frames) - first_frames )) ticks=$(( $(status_field ticks) - first_ticks ))
xdotool key Escape
wait_exit "$pid"
[ "$ticks" -ge $(( frames * 49 )) ] || fail "--delay 50000 full screen: $frames frames in $ticks ms"
pass "the full-screen show takes the options: choices, --delay ($frames frames in $ticks ms), unknown ones named"
