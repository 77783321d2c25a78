# Runs a hack under the real XScreenSaver (sourced after e2e-lib.sh):
#   run_under_xscreensaver "COMMAND"
# COMMAND is the hack's line in XScreenSaver's programs list ("amber-bell
# --root" finds the installed hack in XScreenSaver's hack folder; a full path
# runs that file). Activation must start it in XScreenSaver's window and draw
# there, without a window of its own; deactivation must end it without X
# errors. Fails the test otherwise.
command -v xscreensaver >/dev/null || fail "xscreensaver is not installed"

run_under_xscreensaver() {
    local command=$1 home="$work/xscreensaver-home"
    mkdir -p "$home"
    cat > "$home/.xscreensaver" <<CONF
mode: one
selected: 0
splash: False
fade: False
unfade: False
lock: False
timeout: 0:30:00
programs: GL: $command \n
CONF
    chmod -R a+rwX "$work"
    # XScreenSaver will not launch hacks as root: run it as nobody then.
    as_host_user() {
        if [ "$(id -u)" -eq 0 ]; then
            setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$home" "$@"
        else
            env HOME="$home" "$@"
        fi
    }

    as_host_user xscreensaver -no-splash -verbose >"$work/xscreensaver.log" 2>&1 &
    daemon=$!
    trap 'kill $daemon 2>/dev/null; cleanup_work' EXIT
    poll eval 'as_host_user xscreensaver-command -time >/dev/null 2>&1' || fail "XScreenSaver did not start"

    as_host_user xscreensaver-command -activate >/dev/null 2>&1 || fail "could not activate"
    # The hack itself, not a shell that may have started it.
    find_hack() { hack=$(pgrep -f -- "^$command" | head -n 1); [ -n "$hack" ]; }
    poll find_hack || { cat "$work/xscreensaver.log"; fail "the hack was not started"; }
    hack_window() {
        window=$(sed -n 's/.*forked ".*amber-bell.*" in pid [0-9]* on window \(0x[0-9a-f]*\).*/\1/p' \
                 "$work/xscreensaver.log" | head -n 1)
        [ -n "$window" ]
    }
    poll hack_window || fail "XScreenSaver named no window for the hack"
    poll eval 'is_drawn "$window" || ! kill -0 "$hack" 2>/dev/null'
    kill -0 "$hack" 2>/dev/null || { cat "$work/xscreensaver.log"; fail "the hack ended by itself"; }
    is_drawn "$window" || fail "nothing drawn in XScreenSaver's window ($(window_colour "$window"))"
    # It draws into XScreenSaver's window, not one of its own.
    xwininfo -root -children | grep -q '"amber-bell"' && fail "the hack opened a window of its own"
    pass "activation starts \"$command\" in XScreenSaver's window $window"

    as_host_user xscreensaver-command -deactivate >/dev/null 2>&1 || fail "could not deactivate"
    poll eval '! kill -0 "$hack" 2>/dev/null' || {
        ps -o pid,ppid,stat,args -p "$hack"; tail -n 20 "$work/xscreensaver.log"
        fail "the hack kept running after deactivation"
    }
    # The hack is gone, so whatever it wrote to the log is there.
    grep -q 'X Error' "$work/xscreensaver.log" && { cat "$work/xscreensaver.log"; fail "the hack raised X errors"; }
    pass "deactivation ends the hack cleanly"
    kill "$daemon" 2>/dev/null
    wait "$daemon" 2>/dev/null
    trap cleanup_work EXIT
}
