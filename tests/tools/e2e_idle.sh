# The idle watcher on an X server with no screensaver daemon: idleness starts
# the full-screen show, any pointer motion ends it (the show's own mouse
# setting is off) and the watch goes on; one watcher per session; a show that
# fails at once is not started again and again; the show goes with the
# watcher. XScreenSaver's case is in app/e2e_xscreensaver.sh.
# On a session bus of its own, where a stand-in lock screen answers.
if [ -z "${AMBER_OWN_SESSION_BUS:-}" ]; then
    AMBER_OWN_SESSION_BUS=1 exec dbus-run-session -- bash "$0" 2> >(grep -v '^dbus-daemon' >&2)
fi
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
idle="$AMBER_SAVER_DIR/idle"

# the_show: the process id of the show the watcher started (its child).
the_show() { show=$(pgrep -P "$watcher" -x amber-bell); [ -n "$show" ]; }

"$idle" --after 2s 2>"$work/idle.err" & watcher=$!
poll grep -q 'watching through MIT-SCREEN-SAVER' "$work/idle.err" || fail "no watch: $(cat "$work/idle.err")"
out=$("$idle" --after 2s 2>&1) || fail "a second watcher ended with $?: $out"
grep -q "already watching this session (process $watcher)" <<<"$out" || fail "a second watcher said: $out"
pass "a second watcher says it is not needed and ends with 0"

for round in 1 2; do
    poll the_show || fail "round $round: idleness started no show: $(cat "$work/idle.err")"
    window=$(wait_for_window "$show") || fail "round $round: the show drew nothing"
    # Moving on, as a user does: the first seconds of the show pass input by.
    step=0
    poll eval 'step=$(( step + 1 )); xdotool mousemove $(( 100 * round + step % 50 )) 100; ! kill -0 "$show" 2>/dev/null' ||
        fail "round $round: pointer motion did not end the show"
done
pass "idleness starts the show, pointer motion ends it, and the watch goes on"

kill -TERM "$watcher"
wait_exit "$watcher"
[ "$exit_code" = 0 ] || fail "the watcher ended with $exit_code on SIGTERM"
pgrep -x amber-bell >/dev/null && fail "a show outlived its watcher"
pass "the watcher ends on SIGTERM and leaves nothing running"

# No show over a locked session; once unlocked, the next idleness starts it.
touch "$work/locked"
"$AMBER_TEST_BIN/fake-screensaver" "$work/locked" >"$work/lock-screen.out" & lock_screen=$!
poll grep -q ready "$work/lock-screen.out" || fail "the stand-in lock screen did not start"
"$idle" --after 1s 2>"$work/lock.err" & watcher=$!
poll grep -q 'the session is locked: no show' "$work/lock.err" || fail "locked: $(cat "$work/lock.err")"
the_show && fail "a show started over the lock screen"
rm "$work/locked"
xdotool mousemove 20 20
poll the_show || fail "no show once unlocked: $(cat "$work/lock.err")"
kill -TERM "$watcher"; wait_exit "$watcher"; kill "$lock_screen"
pass "a locked session gets no show; an unlocked one does"

# A show that fails at once (a stand-in beside a copy of the watcher): the
# next start waits, even when the user comes back and goes idle again.
mkdir "$work/broken"
cp "$idle" "$work/broken/idle"
printf '#!/bin/sh\necho started >>"%s"\nexit 1\n' "$work/starts" >"$work/broken/amber-bell"
chmod +x "$work/broken/amber-bell"
"$work/broken/idle" --after 1s 2>"$work/broken.err" & watcher=$!
poll grep -q 'no sooner than 60 s' "$work/broken.err" || fail "no hold-off after a failed show: $(cat "$work/broken.err")"
xdotool mousemove 300 300
poll 5 eval '[ "$(wc -l <"$work/starts")" -gt 1 ]' && fail "the failing show was started again at once"
kill -TERM "$watcher"
wait_exit "$watcher"
pass "a show that fails at once is held off, not restarted"
