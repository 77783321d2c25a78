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
    kill "$INHIBITOR_PID"
    kill -TERM "$watcher"; wait_exit "$watcher"
    pass "sway: an idle inhibitor keeps the show away"

    # swaylock tells other clients nothing; the outputs powered off under it
    # (as swayidle does) end the show within 5 s.
    "$idle" --after 1s 2>"$work/power.err" & watcher=$!
    poll the_show || fail "sway: no show before the outputs went off: $(cat "$work/power.err")"
    # -f: swaylock goes to the background once the session is locked.
    swaylock -f 2>"$work/swaylock.err" || fail "sway: swaylock did not lock: $(cat "$work/swaylock.err")"
    locker=$(pgrep -n -x swaylock) || fail "sway: swaylock did not stay"
    kill -0 "$show" 2>/dev/null || fail "sway: the show ended at the lock, which swaylock does not tell"
    swaymsg 'output * power off' >/dev/null || fail "sway took no power off"
    poll 5 eval '! kill -0 "$show" 2>/dev/null' || fail "sway: the show kept running with the outputs off"
    grep -q 'the show ended: the displays were powered off' "$work/power.err" ||
        fail "sway: the power off was not named: $(cat "$work/power.err")"
    swaymsg 'output * power on' >/dev/null
    kill -USR1 "$locker"  # swaylock's unlock
    kill -TERM "$watcher"; wait_exit "$watcher"
    pass "sway: the outputs powered off under swaylock end the show"
fi

[ "$where" = X11 ] || exit 0

# start_watcher NAME: a watcher with its stderr in $work/NAME.err.
start_watcher() { "$idle" --after 1s 2>"$work/$1.err" & watcher=$!; errors="$work/$1.err"; }
stop_watcher() { kill -TERM "$watcher"; wait_exit "$watcher"; }
said() { poll grep -qF "$1" "$errors" || fail "$2: $(cat "$errors")"; }

# A program holding the X server's screensaver suspended (browsers and
# players without a D-Bus service) keeps the show away until it lets go.
coproc SUSPEND { "$AMBER_TEST_BIN/x-suspend-screensaver"; }
read -r -t "$e2e_deadline" _ <&"${SUSPEND[0]}" || fail "the screensaver could not be suspended"
start_watcher suspend
said "no show: a program holds the X server's screensaver suspended" "XScreenSaverSuspend was not honoured"
the_show && fail "a show started while the screensaver was suspended"
exec {SUSPEND[1]}>&-; wait_exit "$SUSPEND_PID"
user_input
poll the_show || fail "no show once the suspension went: $(cat "$errors")"
stop_watcher
pass "XScreenSaverSuspend keeps the show away until it goes"

# KWin's DPMS protocol (a stand-in output: a headless KWin has no DPMS) saying
# the screen went off ends the show; the watch goes on.
coproc DPMS { exec "$AMBER_TEST_BIN/kwin-dpms-output" amber-test-dpms; }
read -r -t "$e2e_deadline" _ <&"${DPMS[0]}" || fail "the stand-in DPMS output did not start"
WAYLAND_DISPLAY=amber-test-dpms start_watcher dpms
poll the_show || fail "no show beside the DPMS output: $(cat "$errors")"
kill -USR1 "$DPMS_PID"
poll 5 eval '! kill -0 "$show" 2>/dev/null' || fail "the show kept running with the screen off"
said "the show ended: the displays were powered off" "KWin's DPMS off was not named"
kill -USR2 "$DPMS_PID"; user_input
poll the_show || fail "no show once the screen came back: $(cat "$errors")"
stop_watcher
kill -TERM "$DPMS_PID"; wait_exit "$DPMS_PID"
pass "KWin's DPMS turning the screen off ends the show, and the watch goes on"

# Where nobody offers org.freedesktop.ScreenSaver, the watcher does: a
# player's Inhibit keeps the show away, and goes when the player leaves the
# bus; GetActive says whether the show runs.
start_watcher service
coproc PLAYER { /usr/bin/python3 -c '
import dbus, sys
saver = dbus.Interface(dbus.SessionBus().get_object("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver"),
                       "org.freedesktop.ScreenSaver")
saver.Inhibit("amber-test-player", "a video plays")
print("inhibited", flush=True)
sys.stdin.read()'; }
read -r -t "$e2e_deadline" _ <&"${PLAYER[0]}" || fail "the stand-in player could not inhibit"
user_input
said "no show: a program asks for no screensaver (amber-test-player)" "Inhibit was not honoured"
the_show && fail "a show started over the inhibit"
exec {PLAYER[1]}>&-; wait_exit "$PLAYER_PID"
poll the_show || fail "no show once the player left: $(cat "$errors")"
active() { gdbus call --session --dest org.freedesktop.ScreenSaver --object-path /org/freedesktop/ScreenSaver \
    --method org.freedesktop.ScreenSaver.GetActive; }
[ "$(active)" = "(true,)" ] || fail "GetActive says $(active) while the show runs"
pass "the watcher's own org.freedesktop.ScreenSaver: an inhibit keeps the show away and goes with its caller"

# Plasma's power management (a stand-in on the session bus) holding an
# inhibition of screen changes keeps the show away.
plasma=org.kde.Solid.PowerManagement.PolicyAgent
/usr/bin/python3 -m dbusmock "$plasma" /org/kde/Solid/PowerManagement/PolicyAgent "$plasma" >/dev/null 2>&1 &
policy_agent=$!
poll gdbus call --timeout 10 --session --dest "$plasma" --object-path /org/kde/Solid/PowerManagement/PolicyAgent \
    --method org.freedesktop.DBus.Mock.AddMethod "$plasma" HasInhibition u b 'ret = args[0] == 4' >/dev/null ||
    fail "the stand-in power management did not start"
stop_watcher
start_watcher plasma
user_input
said "no show: a program asks for no screensaver (through Plasma's power management)" "Plasma's inhibition was not honoured"
stop_watcher
kill "$policy_agent"
start_watcher service
user_input
poll the_show || fail "no show once Plasma's inhibition went: $(cat "$errors")"
pass "Plasma's power management holding screen changes keeps the show away"

# A locker over the running show (i3lock, as xss-lock runs it): the show ends
# within 5 s, and the next idleness after the user is back starts it again.
poll shows_drawn || fail "the show drew nothing before the lock"
i3lock -n -c 203040 & locker=$!
poll 5 eval '! kill -0 "$show" 2>/dev/null' || fail "the show kept running under i3lock: $(cat "$errors")"
said "the show ended: a window covers the show" "the cover was not named"
kill "$locker"; wait_exit "$locker"
user_input
poll the_show || fail "no show after the lock: $(cat "$errors")"
# The X server blanking the screen (its own screensaver; DPMS turns it on too).
xset s activate
poll 5 eval '! kill -0 "$show" 2>/dev/null' || fail "the show kept running on a blanked screen"
said "the show ended: the screen was blanked" "the blanking was not named"
xset s reset
stop_watcher
pass "a locker's window over the show, or the screen blanked, ends it; the watch goes on"

# logind (a stand-in on a system bus of its own, with xss-lock running
# i3lock on its Lock, as `loginctl lock-session` asks): a locked session gets
# no show, a lock ends a running one and the locker comes up over the
# screen, an idle inhibitor keeps the show away.
timeout "$e2e_deadline" dbus-daemon --session --fork --print-address=3 --print-pid=4 3>"$work/system-bus" \
    4>"$work/system-bus.pid" || fail "no bus for the stand-in logind"
export DBUS_SYSTEM_BUS_ADDRESS=$(cat "$work/system-bus") XDG_SESSION_ID=c1
/usr/bin/python3 -m dbusmock --system --template logind >/dev/null 2>&1 & logind=$!
logind_call() {
    local path=$1 method=$2; shift 2
    gdbus call --timeout 10 --system --dest org.freedesktop.login1 --object-path "$path" --method "$method" "$@" \
        >/dev/null
}
poll logind_call /org/freedesktop/login1 org.freedesktop.DBus.Mock.AddSession c1 seat0 0 root true ||
    fail "the stand-in logind did not start"
session=/org/freedesktop/login1/session/c1
xss-lock --session c1 -- i3lock -n -c 203040 & xsslock=$!
logind_call "$session" org.freedesktop.login1.Session.SetLockedHint true
start_watcher logind
said "no show: the session is locked" "logind's LockedHint was not honoured"
logind_call "$session" org.freedesktop.login1.Session.SetLockedHint false
user_input
poll the_show || fail "no show once logind unlocked: $(cat "$errors")"
logind_call "$session" org.freedesktop.login1.Session.Lock
poll 5 eval '! kill -0 "$show" 2>/dev/null' || fail "logind's Lock did not end the show: $(cat "$errors")"
said "the show ended: the session was locked" "the lock was not named"
poll eval 'xdotool search --classname "^i3lock\$" >/dev/null 2>&1' || fail "xss-lock's i3lock did not come up"
pkill -x i3lock
logind_call /org/freedesktop/login1 org.freedesktop.DBus.Mock.AddProperty org.freedesktop.login1.Manager \
    BlockInhibited '<"handle-lid-switch:idle">'
user_input
said "no show: a program holds an idle inhibitor" "logind's idle inhibitor was not honoured"
# The session ends while the session bus lives on (the systemd user manager's).
logind_call /org/freedesktop/login1 org.freedesktop.DBus.Mock.EmitSignal org.freedesktop.login1.Manager \
    SessionRemoved so '[<"c1">, <objectpath "/org/freedesktop/login1/session/c1">]'
wait_exit "$watcher"
[ "$exit_code" = 0 ] || fail "the watcher did not end with its login session ($exit_code)"
kill "$xsslock" "$logind" "$(cat "$work/system-bus.pid")"
unset DBUS_SYSTEM_BUS_ADDRESS XDG_SESSION_ID
pass "logind: a locked session gets no show, a lock ends the show under xss-lock's i3lock, an idle inhibitor keeps it away, the session's end ends the watcher"

# GNOME's Mutter (a stand-in IdleMonitor) restarting: the watcher makes its
# idle watch again with the name's new owner.
monitor=org.gnome.Mutter.IdleMonitor
# Its methods from the start, as Mutter's are: a template of python3-dbusmock's.
cat >"$work/idle_monitor.py" <<'PY'
BUS_NAME = "org.gnome.Mutter.IdleMonitor"
MAIN_OBJ = "/org/gnome/Mutter/IdleMonitor/Core"
MAIN_IFACE = "org.gnome.Mutter.IdleMonitor"
SYSTEM_BUS = False
def load(mock, parameters):
    mock.AddMethods(MAIN_IFACE, [("AddIdleWatch", "t", "u", "ret = 1"), ("AddUserActiveWatch", "", "u", "ret = 2")])
PY
monitor_up() {
    gdbus call --timeout 10 --session --dest org.freedesktop.DBus --object-path /org/freedesktop/DBus \
        --method org.freedesktop.DBus.NameHasOwner "$monitor" | grep -q true
}
start_monitor() {
    /usr/bin/python3 -m dbusmock --template "$work/idle_monitor.py" >/dev/null 2>&1 & mutter=$!
    poll monitor_up || fail "the stand-in IdleMonitor did not start"
}
watch_added() {
    gdbus call --timeout 10 --session --dest "$monitor" --object-path /org/gnome/Mutter/IdleMonitor/Core \
        --method org.freedesktop.DBus.Mock.GetMethodCalls AddIdleWatch | grep -q uint64
}
start_monitor
"$idle" --after 60s 2>"$work/mutter.err" & watcher=$!
poll grep -qF "watching through Mutter's IdleMonitor" "$work/mutter.err" || fail "no Mutter watch: $(cat "$work/mutter.err")"
poll watch_added || fail "no idle watch with the first IdleMonitor"
kill "$mutter"; wait_exit "$mutter"
start_monitor
poll watch_added || fail "no idle watch again after the IdleMonitor restarted"
kill "$mutter"; kill -TERM "$watcher"; wait_exit "$watcher"
pass "Mutter's IdleMonitor restarting gets the watch again"

# A show that ignores SIGTERM is killed 3 s after it, and the watcher goes on.
mkdir "$work/stubborn"
cp "$idle" "$work/stubborn/idle"
# It waits for a writer on a pipe nobody opens, with SIGTERM ignored.
mkfifo "$work/stubborn/never"
printf '#!/bin/sh\ntrap "" TERM\nread -r _ <"%s"\n' "$work/stubborn/never" >"$work/stubborn/amber-bell"
chmod +x "$work/stubborn/amber-bell"
"$work/stubborn/idle" --after 1s 2>"$work/stubborn.err" & watcher=$!
poll the_show || fail "the stubborn stand-in did not start"
user_input
poll 10 eval '! kill -0 "$show" 2>/dev/null' || fail "a show that ignores SIGTERM was not killed"
user_input
poll eval 'kill -0 "$watcher" 2>/dev/null && the_show' || fail "the watcher did not go on after the kill"
stop_watcher
pass "a show that ignores SIGTERM is killed, and the watcher does not wait on it"

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
