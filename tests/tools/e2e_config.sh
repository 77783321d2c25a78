# The configuration program: its command line and its dialog write the
# settings file where the screensaver reads it, keep what they do not
# understand, and never leave a half-written file.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

config="$AMBER_SAVER_DIR/config"
cfg="$XDG_CONFIG_HOME/lumivera_Amber Bell_cfg"
export NO_AT_BRIDGE=1  # no accessibility bus under Xvfb

# expect_settings "name=value ...": what `config show` prints, on one line.
expect_settings() {
    local shown
    shown=$("$config" show | tr '\n' ' ')
    [ "$shown" = "$1 " ] || fail "settings are '$shown', expected '$1'"
}
defaults="showFrameCounter=0 showClock=1 analogClock=0 clock24Hour=0 largeClock=1 showCalendar=1 russianCalendar=0 exitOnMouseMove=0 resolutionIndex=0"

# hex FILE: the file's bytes as one hex string.
hex() { od -An -v -tx1 "$1" | tr -d ' \n'; }

# --- command line -----------------------------------------------------------
[ "$("$config" path)" = "$cfg" ] || fail "config path is '$("$config" path)'"
expect_settings "$defaults"
[ -e "$cfg" ] && fail "show wrote a file"

"$config" set showFrameCounter=1 showClock=0 analogClock=1 clock24Hour=1 largeClock=0 \
    showCalendar=0 russianCalendar=1 exitOnMouseMove=1 resolutionIndex=9 || fail "set failed"
expect_settings "showFrameCounter=1 showClock=0 analogClock=1 clock24Hour=1 largeClock=0 showCalendar=0 russianCalendar=1 exitOnMouseMove=1 resolutionIndex=9"
[ "$(hex "$cfg")" = "$(printf '%s' 01000000 00000000 00000000 01 00000000 09000000 01000101000001)" ] ||
    fail "file bytes are $(hex "$cfg")"
"$config" reset || fail "reset failed"
expect_settings "$defaults"
pass "set, show and reset every option"

before=$(hex "$cfg")
"$config" set showClock=0 colour=red 2>"$work/err" && fail "an unknown option was accepted"
grep -q "unknown option 'colour'" "$work/err" || fail "unclear message: $(cat "$work/err")"
"$config" set resolutionIndex=10 2>/dev/null && fail "row 10 was accepted"
[ "$(hex "$cfg")" = "$before" ] || fail "a refused set changed the file"
pass "wrong options and values are refused and change nothing"

# The screensaver opens the mode the configuration program chose.
"$config" set resolutionIndex=1024x768 || fail "set by size failed"
"$saver" & pid=$!
id=$(wait_for_window "$pid") || fail "the screensaver showed no window"
size=$(xwininfo -id "$id" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}')
xdotool key Escape
wait_exit "$pid" 10
[ "$size" = 1024x768 ] || fail "the screensaver opened $size"
"$config" reset
pass "the screensaver reads what config wrote"

# Blocks A and B and the unused word survive a change.
printf "$(le32 1)$(le32 3)ABC$(le32 2)\\xff\\x00\\x01$(le32 0x12345678)$(le32 2)\\x00\\x01\\x00\\x00\\x01\\x01\\x00" > "$cfg"
"$config" set showFrameCounter=1 || fail "set on a file with blocks failed"
expected=$(printf '%s' 01000000 03000000 414243 02000000 ff00 01 78563412 02000000 01010000010100)
[ "$(hex "$cfg")" = "$expected" ] || fail "blocks not kept: $(hex "$cfg")"
pass "blocks A and B and the unused word are kept"

# An older layout gives the defaults and is replaced by a current file.
printf "$(le32 0)\\x01$(le32 5)$(le32 6)\\x01\\x01\\x01\\x01\\x01$(le32 1)Z$(le32 0)" > "$cfg"
expect_settings "$defaults"
"$config" set exitOnMouseMove=1 || fail "set on an older file failed"
[ "$(hex "$cfg")" = "$(printf '%s' 01000000 01000000 5a 00000000 01 00000000 00000000 00010000010100)" ] ||
    fail "older layout became $(hex "$cfg")"
# A truncated one: the values in effect (here the resolution row it held) are kept.
printf "$(le32 1)$(le32 0)$(le32 0)\\x01$(le32 0)$(le32 4)\\x01\\x00" > "$cfg"
"$config" set largeClock=0 || fail "set on a truncated file failed"
[ "$(hex "$cfg")" = "$(printf '%s' 01000000 00000000 00000000 01 00000000 04000000 01000000000100)" ] ||
    fail "truncated file became $(hex "$cfg")"
pass "older-layout and truncated files are replaced by whole current ones"

# --- failed writes ------------------------------------------------------------
"$config" set showClock=0 analogClock=1
good=$(hex "$cfg")
leftovers() { find "$XDG_CONFIG_HOME" -mindepth 1 ! -name 'lumivera_Amber Bell_cfg' | wc -l; }

# No byte may be written: the write fails (the signal ignored) ...
# (The message comes through a pipe: the size limit would stop it in a file.)
err=$( (trap '' XFSZ; ulimit -f 0; "$config" set showClock=1) 2>&1 >/dev/null ) &&
    fail "a failed write reported success"
case "$err" in *"lumivera_Amber Bell_cfg"*) ;; *) fail "the failure does not name the file: '$err'" ;; esac
[ "$(hex "$cfg")" = "$good" ] || fail "a failed write damaged the file"
[ "$(leftovers)" = 0 ] || fail "a failed write left files behind: $(ls -A "$XDG_CONFIG_HOME")"
# ... or kills the program in the middle of it.
{ (ulimit -f 0; exec "$config" set showClock=1); code=$?; } 2>/dev/null
[ "$code" = $((128 + $(kill -l XFSZ))) ] || fail "the write was not interrupted (exit $code)"
[ "$(hex "$cfg")" = "$good" ] || fail "a program killed while writing damaged the file"
find "$XDG_CONFIG_HOME" -mindepth 1 ! -name 'lumivera_Amber Bell_cfg' -delete
pass "a failed or interrupted write leaves the old file whole"

# A folder the user may not write to.
locked="$work/locked"
mkdir -p "$locked"
cp "$cfg" "$locked/"
chmod 755 "$locked"; chmod 711 "$work"; chmod 644 "$locked/lumivera_Amber Bell_cfg"
if [ "$(id -u)" = 0 ]; then as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups); else as_user=(); chmod 555 "$locked"; fi
XDG_CONFIG_HOME="$locked" "${as_user[@]}" "$config" set showClock=1 2>"$work/err" &&
    fail "writing into a locked folder reported success"
[ -s "$work/err" ] || fail "no message for a locked folder"
[ "$(hex "$locked/lumivera_Amber Bell_cfg")" = "$good" ] || fail "the file in a locked folder changed"
pass "an unwritable folder is reported and the file stays as it was"

# --- no display -------------------------------------------------------------
out=$(env -u DISPLAY "$config" 2>"$work/err"); code=$?
[ "$code" = 0 ] || fail "config without a display ended with $code"
case "$out" in *"showClock=0"*"analogClock=1"*) ;; *) fail "no settings printed: '$out'" ;; esac
grep -q "config set" "$work/err" || fail "no hint without a display: $(cat "$work/err")"
pass "without a display config prints the settings and a hint"

# --- the dialog ---------------------------------------------------------------
# open_dialog COMMAND...: starts it and focuses the dialog; sets pid and dialog.
open_dialog() {
    "$@" & pid=$!
    dialog=""
    poll eval 'dialog=$(xdotool search --name "^Amber Bell Settings\$" 2>/dev/null | head -n 1); [ -n "$dialog" ]' ||
        fail "the settings dialog did not appear"
    poll eval 'xwininfo -id "$dialog" 2>/dev/null | grep -q IsViewable' || fail "the dialog was not mapped"
    xdotool windowfocus --sync "$dialog"
    poll eval '[ "$(xdotool getwindowfocus 2>/dev/null)" = "$dialog" ]' || fail "the dialog did not take the focus"
}
# keys KEY...: one key at a time, so GTK handles each before the next.
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.15; done; }
close_dialog() {
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "the dialog ended with '$exit_code'"
}

"$config" reset
"$config" set showFrameCounter=1 showClock=0 analogClock=1 resolutionIndex=2
before=$(hex "$cfg")
# With the build's icon theme in reach, the dialog has the installed heart icon.
XDG_DATA_DIRS="$AMBER_BUILD_DIR/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" open_dialog "$config"
xprop -id "$dialog" _NET_WM_ICON | grep -q '^_NET_WM_ICON(CARDINAL) = ' || fail "the dialog has no window icon"
keys alt+f alt+x alt+u alt+l Escape
close_dialog
[ "$(hex "$cfg")" = "$before" ] || fail "Escape changed the file"
open_dialog "$config"
keys alt+f alt+x alt+c
close_dialog
[ "$(hex "$cfg")" = "$before" ] || fail "Cancel changed the file"
pass "Cancel and Escape leave the file as it was"

# The dialog opens on the current values: toggling flips them.
open_dialog "$config"
keys alt+f alt+x alt+l alt+r Down alt+o
close_dialog
expect_settings "showFrameCounter=0 showClock=1 analogClock=1 clock24Hour=0 largeClock=1 showCalendar=1 russianCalendar=0 exitOnMouseMove=1 resolutionIndex=3"
pass "OK writes the options changed in the dialog"

# /c starts the dialog from the install directory and returns at once.
open_dialog "$saver" /c
close_dialog
config_pid=$(xdotool getwindowpid "$dialog") || fail "the dialog has no process id"
keys alt+d alt+2 alt+s alt+e alt+u Return  # Russian is greyed out without the calendar
poll eval '! kill -0 "$config_pid" 2>/dev/null' || fail "the dialog started by /c did not close on Return"
expect_settings "showFrameCounter=0 showClock=1 analogClock=0 clock24Hour=1 largeClock=0 showCalendar=0 russianCalendar=0 exitOnMouseMove=1 resolutionIndex=3"
pass "/c opens the dialog; Return is OK"

# --- the idle watcher's switch ------------------------------------------------
# On: the autostart entry with its minutes, and a watcher for this session at
# once (again, with the new minutes); off: neither. The show's settings stay.
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
entry="$XDG_CONFIG_HOME/autostart/amber-bell-idle.desktop"
# No desktop of the user's: its timers come in below. systemctl --user is a
# stand-in that notes its arguments; the session is no systemd one until
# $work/graphical-session exists.
unset XDG_CURRENT_DESKTOP
calls="$work/systemctl-calls"
export AMBER_TEST_SYSTEMCTL="$work/systemctl"
cat > "$AMBER_TEST_SYSTEMCTL" <<STANDIN
#!/bin/sh
echo "\$*" >> "$calls"
case "\$*" in
  *is-active*) [ -e "$work/graphical-session" ] ;;
  *is-enabled*) [ -e "$work/unit-enabled" ] ;;
  *" enable "*) [ ! -e "$work/enable-fails" ] && touch "$work/unit-enabled" ;;
  *" disable "*) rm -f "$work/unit-enabled" ;;
esac
STANDIN
chmod +x "$AMBER_TEST_SYSTEMCTL"
# alive PID: running, not a zombie (the watcher's parent is gone; whoever
# inherits it may reap it late).
alive() { case "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" in ""|Z) return 1 ;; esac; }
watcher_pid() { pid=$(cat "$XDG_RUNTIME_DIR"/amber-bell-idle-*.lock 2>/dev/null) && alive "$pid"; }
before=$(hex "$cfg")
choice() { "$config" idle | head -n 1; }
[ "$(choice)" = off ] || fail "idle is on to begin with"
"$config" idle 7 || fail "idle 7 failed"
grep -qx 'X-Amber-Bell-Idle-Minutes=7' "$entry" && grep -qx "Exec=$AMBER_SAVER_DIR/idle" "$entry" &&
    grep -qx "TryExec=$AMBER_SAVER_DIR/idle" "$entry" || fail "the autostart entry: $(cat "$entry")"
poll watcher_pid || fail "idle 7 started no watcher"
first=$pid
"$config" idle 3 && [ "$(choice)" = 3 ] || fail "idle 3 was not taken"
poll eval 'watcher_pid && [ "$pid" != "$first" ]' || fail "the watcher was not started anew"
alive "$first" && fail "the first watcher still runs"
# The dialog shows it on and turns it off (Alt+T).
open_dialog "$config"
keys alt+t alt+o
close_dialog
[ ! -e "$entry" ] && ! alive "$pid" || fail "the dialog did not turn the watcher off"
"$config" idle 0 2>/dev/null && fail "idle 0 was taken"
[ "$(hex "$cfg")" = "$before" ] || fail "the idle switch changed the settings file"
pass "the idle switch writes and removes the autostart entry and starts and stops the watcher"

# `idle` says whether a watcher runs and what its log said last (the watcher's
# output goes there). KDE Plasma locking after 3 minutes comes before the
# watcher's 5: both commands warn, the dialog's fix starts it at 2, and the
# switch turned on in the dialog starts at 2 too.
log="$XDG_STATE_HOME/amber-bell/idle.log"
export XDG_CURRENT_DESKTOP=KDE
printf '[Daemon]\nTimeout=3\n' > "$XDG_CONFIG_HOME/kscreenlockerrc"
"$config" idle 5 2>"$work/err" || fail "idle 5 failed"
grep -q "KDE Plasma locks the screen after 3 minutes, before Amber Bell's 5" "$work/err" ||
    fail "idle 5 did not warn: $(cat "$work/err")"
poll watcher_pid || fail "idle 5 started no watcher"
poll eval '[ -s "$log" ]' || fail "the watcher's output did not reach its log"
state_agrees() {
    "$config" idle > "$work/out"
    grep -qxF "last: $(grep -v '^[[:space:]]*$' "$log" | tail -n 1)" "$work/out"
}
poll state_agrees || fail "idle does not show the log's last line: $(cat "$work/out")"
grep -qx "watcher: running, process $pid" "$work/out" && grep -q "^warning: KDE Plasma locks" "$work/out" ||
    fail "idle printed: $(cat "$work/out")"
open_dialog "$config"
# A button's mnemonic clicks it only after its pressed look: the fix has
# taken when the warning goes and the dialog shrinks.
dialog_height() { xwininfo -id "$dialog" | awk '/Height:/ {print $2}'; }
tall=$(dialog_height)
keys alt+b
poll eval '[ "$(dialog_height)" -lt "$tall" ]' || fail "the dialog's fix did not take"
keys alt+o
close_dialog
[ "$(choice)" = 2 ] || fail "the dialog's fix chose $(choice)"
"$config" idle off
"$config" idle | grep -qx "watcher: not running" || fail "a watcher still runs after off"
open_dialog "$config"
keys alt+t alt+o
close_dialog
[ "$(choice)" = 2 ] || fail "turned on in the dialog, the watcher starts after $(choice) minutes"
"$config" idle off
rm "$XDG_CONFIG_HOME/kscreenlockerrc"
unset XDG_CURRENT_DESKTOP
pass "idle shows the watcher and its last word; the desktop's earlier lock is warned of and fixed"

# Where graphical-session.target runs, on also enables the user unit and off
# disables it; a systemctl that fails is reported and the entry stays.
: > "$calls"
"$config" idle 4 || fail "idle 4 failed"
grep -q " enable " "$calls" && fail "the unit was enabled outside a systemd session: $(cat "$calls")"
touch "$work/graphical-session"
"$config" idle 6 && grep -qx -- "--user enable amber-bell-idle.service" "$calls" ||
    fail "the unit was not enabled: $(cat "$calls")"
"$config" idle off && grep -qx -- "--user disable amber-bell-idle.service" "$calls" ||
    fail "the unit was not disabled: $(cat "$calls")"
touch "$work/enable-fails"
"$config" idle 6 2>"$work/err" || fail "a failing systemctl failed the switch"
grep -q "systemctl --user enable amber-bell-idle.service failed" "$work/err" || fail "no word of it: $(cat "$work/err")"
[ "$(choice)" = 6 ] || fail "a failing systemctl undid the autostart entry"
"$config" idle off
pass "the systemd user unit follows the switch where the session has graphical-session.target"
