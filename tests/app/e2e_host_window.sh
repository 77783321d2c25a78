# Run by a screensaver host: draw into the host's window (named by switch or
# environment), open no window of our own, end on SIGTERM with exit code 0.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

# The top-level windows shown on the screen (SDL 2 keeps an unmapped helper
# window of its own, which nobody sees).
top_level_windows() {
    local id
    for id in $(xwininfo -root -children | awk '/^ +0x/ {print $1}'); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' && echo "$id"
    done
}

# A 400x300 white host window (its id in decimal).
coproc HOST { "$AMBER_TEST_WINDOW" 400 300; }
read -r host <&"${HOST[0]}" || fail "no host window"
host_hex=$(printf '0x%x' "$host")
[ "$(window_colour "$host")" = "255 255 255" ] || fail "host window is not white to begin with"

# run_hosted DESCRIPTION COMMAND...: runs the saver in the host window, checks
# it draws there without a window of its own, ends it with SIGTERM.
run_hosted() {
    local description=$1; shift
    local before after
    before=$(top_level_windows)
    "$@" & pid=$!
    poll eval 'is_drawn "$host" || ! kill -0 "$pid" 2>/dev/null'
    kill -0 "$pid" 2>/dev/null || fail "$description: the saver ended by itself"
    is_drawn "$host" || { kill "$pid"; fail "$description: nothing was drawn in the host window ($(window_colour "$host"))"; }
    after=$(top_level_windows)
    [ "$before" = "$after" ] || { kill "$pid"; fail "$description: a window of its own appeared"; }
    kill -TERM "$pid"
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "$description: SIGTERM gave exit $exit_code"
    # Paint the host white again for the next run.
    xdotool windowunmap --sync "$host" windowmap --sync "$host"
}

run_hosted "--window-id" "$saver" --window-id "$host_hex"
pass "draws into the window named by --window-id and ends on SIGTERM"

run_hosted "-window-id decimal" "$saver" -window-id "$host"
pass "draws into the window named by -window-id in decimal"

run_hosted "XSCREENSAVER_WINDOW" env XSCREENSAVER_WINDOW="$host_hex" "$saver"
pass "draws into the window named by XSCREENSAVER_WINDOW"

# A host hands over an X window, whatever video driver the user chose.
run_hosted "SDL_VIDEODRIVER=wayland" env SDL_VIDEODRIVER=wayland SDL_VIDEO_DRIVER=wayland "$saver" --window-id "$host"
pass "draws into the host's X window with SDL_VIDEODRIVER=wayland set"

# The view follows the host window when it grows: its new corner is drawn.
"$saver" --window-id "$host" & pid=$!
poll is_drawn "$host" || fail "nothing drawn before the resize"
xdotool windowsize --sync "$host" 640 480
# Outside the old viewport the frame would only be cleared to black.
poll is_drawn "$host" 40x40+600+440 ||
    fail "the grown window's corner shows no picture ($(window_colour "$host" 40x40+600+440))"
kill -TERM "$pid"
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "SIGTERM after a resize gave exit $exit_code"
xdotool windowsize --sync "$host" 400 300
pass "the view follows the host window's size"

# Stopped and continued (as hosts do), then the host destroys its window: the
# saver closes down quietly with exit code 0.
"$saver" --window-id "$host" 2>"$work/stderr" & pid=$!
poll is_drawn "$host" || fail "nothing drawn before SIGSTOP"
kill -STOP "$pid"
poll is_stopped "$pid" || fail "SIGSTOP did not stop the saver"
kill -CONT "$pid"
wait_frames "$host" || fail "the saver did not draw again after SIGCONT"
kill -0 "$pid" 2>/dev/null || fail "the saver did not survive SIGSTOP/SIGCONT"
echo destroy >&"${HOST[1]}"
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "exit after the host window went away: $exit_code ($(cat "$work/stderr"))"
pass "survives SIGSTOP/SIGCONT and ends quietly when the host window goes away"

# A host that destroyed its window before the hack started has stopped it
# already: no window of its own over the host's unlock dialog.
before=$(top_level_windows)
env XSCREENSAVER_WINDOW="$host_hex" "$saver" -root >"$work/out" 2>&1 & pid=$!
wait_exit "$pid"
[ "$exit_code" = 0 ] && [ ! -s "$work/out" ] || fail "a window already gone: exit $exit_code, $(cat "$work/out")"
[ "$(top_level_windows)" = "$before" ] || fail "a window already gone: a window of its own appeared"
pass "a host window already gone ends the hack quietly, with no window"

# SIGINT behaves as SIGTERM in a window of our own too.
"$saver" & pid=$!
wait_for_window "$pid" >/dev/null || fail "no window appeared"
kill -INT "$pid"
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "SIGINT gave exit $exit_code"
pass "SIGINT ends the full-screen show with exit code 0"
