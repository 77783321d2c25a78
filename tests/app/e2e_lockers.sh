# A desktop's locker locks over the show: the full-screen show holds no
# keyboard or pointer grab, started by hand or as the screensaver, so i3lock
# (as xss-lock and lock-on-suspend run it) gets the grabs it needs, and Escape
# still reaches the show through the focus once the locker has gone.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

# locked: i3lock's window is up while i3lock runs (it ends at once, saying
# "Cannot grab pointer/keyboard", when something holds a grab).
locked() { kill -0 "$locker" 2>/dev/null && xdotool search --classname '^i3lock$' >/dev/null 2>&1; }

for launch in "by hand" "as the screensaver"; do
    allow=0; [ "$launch" = "as the screensaver" ] && allow=1
    SDL_VIDEO_ALLOW_SCREENSAVER=$allow "$saver" & pid=$!
    window=$(wait_for_window "$pid") || fail "$launch: no window"
    i3lock -n -c 203040 2>"$work/i3lock.err" & locker=$!
    poll eval 'locked || ! kill -0 "$locker" 2>/dev/null'
    locked || fail "$launch: i3lock could not lock over the show: $(cat "$work/i3lock.err")"
    kill "$locker"; wait "$locker" 2>/dev/null
    # Once unlocked the show has the focus again where the locker left it; a
    # tool (or a window manager) may also hand it to the picture's window.
    if [ "$launch" = "by hand" ]; then xdotool key Escape; else xdotool windowfocus --sync "$window" key Escape; fi
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "$launch: Escape after the lock gave $exit_code"
done
pass "i3lock locks over the show started by hand and as the screensaver; Escape still ends it"
