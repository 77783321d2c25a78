# Run by a screensaver host: draw into the host's window (named by switch or
# environment), open no window of our own, end on SIGTERM with exit code 0.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

top_level_windows() { xwininfo -root -children | grep -E '^ +0x' | awk '{print $1}' | sort; }

# Mean colour of the window as "r g b" (0..255).
window_colour() {
    import -window "$1" -resize 1x1\! -depth 8 txt:- 2>/dev/null |
        sed -n 's/.*(\([0-9.]*\),\([0-9.]*\),\([0-9.]*\).*/\1 \2 \3/p' | head -n 1
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
    sleep 3
    kill -0 "$pid" 2>/dev/null || fail "$description: the saver ended by itself"
    colour=$(window_colour "$host")
    [ "$colour" != "255 255 255" ] || { kill "$pid"; fail "$description: nothing was drawn in the host window"; }
    after=$(top_level_windows)
    [ "$before" = "$after" ] || { kill "$pid"; fail "$description: a window of its own appeared"; }
    kill -TERM "$pid"
    wait_exit "$pid" 2
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

# Stopped and continued (as hosts do), then the host destroys its window: the
# saver closes down quietly with exit code 0.
"$saver" --window-id "$host" 2>"$work/stderr" & pid=$!
sleep 2
kill -STOP "$pid"; sleep 1; kill -CONT "$pid"; sleep 1
kill -0 "$pid" 2>/dev/null || fail "the saver did not survive SIGSTOP/SIGCONT"
echo destroy >&"${HOST[1]}"
wait_exit "$pid" 5
[ "$exit_code" = 0 ] || fail "exit after the host window went away: $exit_code ($(cat "$work/stderr"))"
pass "survives SIGSTOP/SIGCONT and ends quietly when the host window goes away"

# SIGINT behaves as SIGTERM in a window of our own too.
"$saver" & pid=$!
wait_for_window "$pid" >/dev/null || fail "no window appeared"
kill -INT "$pid"
wait_exit "$pid" 2
[ "$exit_code" = 0 ] || fail "SIGINT gave exit $exit_code"
pass "SIGINT ends the full-screen show with exit code 0"
