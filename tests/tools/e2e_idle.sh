# The idle watcher. On an X server with no screensaver daemon: idleness starts
# the full-screen show, any input ends it (the show's own mouse setting is
# off) and the watch goes on; one watcher per session; no show over a locked
# session; a show that fails at once is not started again and again; the
# show goes with the watcher. With AMBER_TEST_WAYLAND=1 the same again under
# each headless Wayland compositor there is (sway, KWin, Mutter; Debian 13),
# where the compositor's own idle timer must still fire while the show runs,
# and, on sway, an idle inhibitor keeps the show away. XScreenSaver's case is
# in app/e2e_xscreensaver.sh.
# On a session bus of its own, where a stand-in lock screen answers.
if [ -z "${AMBER_OWN_SESSION_BUS:-}" ]; then
    AMBER_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" 2> >(grep -v '^dbus-daemon' >&2)
fi
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
idle="$AMBER_SAVER_DIR/idle"
where=${AMBER_COMPOSITOR:-X11}
if [ "$where" = X11 ]; then
    export XDG_RUNTIME_DIR="$work/run"
    mkdir -m 700 "$XDG_RUNTIME_DIR"
fi

# the_show: the process id of the show the watcher started (its child).
the_show() { show=$(pgrep -P "$watcher" -x amber-bell); [ -n "$show" ]; }
mutter_idle() {
    gdbus call --session --dest org.gnome.Mutter.IdleMonitor --object-path /org/gnome/Mutter/IdleMonitor/Core \
        --method "org.gnome.Mutter.IdleMonitor.$1" | tr -dc 0-9
}
# user_input: a key or pointer motion, as each session takes it from a test.
step=0
user_input() {
    step=$(( (step + 1) % 50 ))
    case "$where" in
        X11) xdotool mousemove $(( 100 + step )) 100 ;;
        sway) wtype -k Shift_L ;;
        kwin) "$AMBER_TEST_BIN/kwin-fake-input" ;;
        mutter) mutter_idle ResetIdletime >/dev/null ;;
    esac
}
# shows_drawn: the show's window holds a picture (Xwayland's root window
# holds none; on Xvfb SDL draws into a child the window's capture misses).
shows_drawn() {
    [ "$where" = X11 ] && { is_drawn root; return; }
    local window
    window=$(xdotool search --class '^amber-bell$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && is_drawn "$window"
}
# compositor_timer_fires: another idle client's timer fires while the show
# runs: the show holds nothing off.
compositor_timer_fires() {
    case "$where" in
        X11) return 0 ;;
        mutter) poll eval '[ "$(mutter_idle GetIdletime)" -gt 3000 ]' ;;
        *)
            swayidle -w timeout 1 "touch '$work/fired'" 2>/dev/null & local timer=$!
            poll test -f "$work/fired"; local fired=$?
            kill "$timer"; rm -f "$work/fired"
            return $fired ;;
    esac
}

"$idle" --after 2s 2>"$work/idle.err" & watcher=$!
expected="the X server's idle time"
case "$where" in sway|kwin) expected=ext-idle-notify-v1 ;; mutter) expected="Mutter's IdleMonitor" ;; esac
poll grep -qF "watching through $expected" "$work/idle.err" || fail "$where: no watch: $(cat "$work/idle.err")"
if [ "$where" = X11 ]; then
    out=$("$idle" --after 2s 2>&1) || fail "a second watcher ended with $?: $out"
    grep -q "already watching this session (process $watcher)" <<<"$out" || fail "a second watcher said: $out"
    pass "a second watcher says it is not needed and ends with 0"
fi

for round in 1 2; do
    poll the_show || fail "$where, round $round: idleness started no show: $(cat "$work/idle.err")"
    poll shows_drawn || fail "$where, round $round: the show drew nothing"
    [ "$round" = 2 ] || compositor_timer_fires || fail "$where: the compositor's own idle timer did not fire"
    # On and on, as a user does: the show's first seconds pass input by.
    poll eval 'user_input; ! kill -0 "$show" 2>/dev/null' || fail "$where, round $round: input did not end the show"
done
pass "$where: idleness starts the show, it draws, input ends it, and the watch goes on"

kill -TERM "$watcher"
wait_exit "$watcher"
[ "$exit_code" = 0 ] || fail "$where: the watcher ended with $exit_code on SIGTERM"
pgrep -x amber-bell >/dev/null && fail "$where: a show outlived its watcher"

# No show over a locked session; once unlocked, the next idleness starts it.
touch "$work/locked"
"$AMBER_TEST_BIN/fake-screensaver" "$work/locked" >"$work/lock-screen.out" & lock_screen=$!
poll grep -q ready "$work/lock-screen.out" || fail "the stand-in lock screen did not start"
"$idle" --after 1s 2>"$work/lock.err" & watcher=$!
poll grep -q 'no show: the session is locked' "$work/lock.err" || fail "$where, locked: $(cat "$work/lock.err")"
the_show && fail "$where: a show started over the lock screen"
rm "$work/locked"
user_input
poll the_show || fail "$where: no show once unlocked: $(cat "$work/lock.err")"
kill -TERM "$watcher"; wait_exit "$watcher"; kill "$lock_screen"
pass "$where: a locked session gets no show, an unlocked one does; the show ends with its watcher"

if [ "$where" = sway ]; then
    # A window that inhibits idleness (a playing video's) keeps the show away.
    coproc INHIBITOR { "$AMBER_TEST_WINDOW" 320 240; }
    read -r _ <&"${INHIBITOR[0]}" || fail "no window to inhibit idleness"
    poll eval 'swaymsg -t get_tree | grep -q "amber-test-window"' || fail "sway does not list the window"
    swaymsg '[title="amber-test-window"] inhibit_idle open' >/dev/null || fail "sway took no inhibitor"
    "$idle" --after 1s 2>"$work/inhibit.err" & watcher=$!
    poll 5 the_show && fail "a show started despite the idle inhibitor"
    kill "$watcher" "$INHIBITOR_PID"
    pass "sway: an idle inhibitor keeps the show away"
fi

[ "$where" = X11 ] || exit 0

# A show that fails at once (a stand-in beside a copy of the watcher): the
# next start waits, even when the user comes back and goes idle again.
mkdir "$work/broken"
cp "$idle" "$work/broken/idle"
printf '#!/bin/sh\necho started >>"%s"\nexit 1\n' "$work/starts" >"$work/broken/amber-bell"
chmod +x "$work/broken/amber-bell"
"$work/broken/idle" --after 1s 2>"$work/broken.err" & watcher=$!
poll grep -q 'no sooner than 60 s' "$work/broken.err" || fail "no hold-off after a failed show: $(cat "$work/broken.err")"
user_input
poll 5 eval '[ "$(wc -l <"$work/starts")" -gt 1 ]' && fail "the failing show was started again at once"
kill -TERM "$watcher"
wait_exit "$watcher"
pass "a show that fails at once is held off, not restarted"

if [ "${AMBER_TEST_WAYLAND:-}" = 1 ]; then
    for compositor in sway kwin mutter; do
        env -u AMBER_OWN_SESSION_BUS "$AMBER_TEST_SUPPORT/run-under-wayland" "$compositor" bash "$0" ||
            fail "under $compositor"
    done
fi
