# Two monitors under Wine (run by scripts/test-windows inside
# tests/support/run-under-two-monitors): while the full-screen show runs on
# the primary monitor, the second one is black, a window there included;
# after Escape the window shows again. With "Exit when the mouse moves", the
# pointer moving on the black monitor ends the show.
#   AMBER_WIN32_BUILD  the Windows build folder (build-win32)
#   WINEPREFIX         a Wine prefix
set -u
AMBER_SAVER_DIR=$AMBER_WIN32_BUILD/saver
wineserver -k 2>/dev/null; wineserver -w
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine-lib.sh"
second_monitor=800x600+1024+0
cover_colours() { convert "$work/second.ppm" -format '%k %[fx:maxima]' info:; }
capture_second() { import -window root -crop "$second_monitor" +repage "$work/second.ppm" 2>/dev/null; }
second_black() { capture_second && [ "$(cover_colours)" = "1 0" ]; }

monitors=$(wine "$AMBER_WIN32_BUILD/tests/monitor-list.exe" 2>/dev/null | tr -d '\r')
[ "$monitors" = "$(printf '0,0 1024x768 primary\n1024,0 800x600')" ] ||
    fail "Wine does not see the two monitors: $monitors"

# Something of the desktop on the second monitor.
xmessage -geometry 300x200+1200+150 -bg white "the desktop" 2>/dev/null & desktop_pid=$!
trap 'kill "$desktop_pid" 2>/dev/null; cleanup_work' EXIT
poll eval 'capture_second && [ "$(convert "$work/second.ppm" -format %k info:)" -gt 1 ]' ||
    fail "the window on the second monitor is not shown"

(cd / && wine "$AMBER_SAVER_DIR/Amber Bell.exe") 2>"$work/render.err" & pid=$!
poll eval 'sdl_window && [ "$(colours_in 1024x768+0+0)" -gt 500 ]' || fail "the show did not start: $(cat "$work/render.err")"
poll second_black || fail "the second monitor shows $(cover_colours) during the show"
xdotool windowfocus --sync "$window_id" key Escape
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "Escape ended the show with $exit_code"
poll eval 'capture_second && [ "$(convert "$work/second.ppm" -format %k info:)" -gt 1 ]' ||
    fail "the window on the second monitor did not come back after the show"
pass "the show covers the second monitor in black and gives it back on Escape"

# The pointer moving over the black monitor ends a show that exits on mouse
# motion (after the first 3 s, so it keeps moving until the show is gone).
settings="$WINEPREFIX/drive_c/ProgramData/lumivera_Amber Bell_cfg"
write_settings 1 0  0 1 0 0 1 1 0
cp "$XDG_CONFIG_HOME/lumivera_Amber Bell_cfg" "$settings"
xdotool mousemove 1300 300
(cd / && wine "$AMBER_SAVER_DIR/Amber Bell.exe") 2>"$work/render.err" & pid=$!
poll eval 'sdl_window && second_black' || fail "the show did not cover the second monitor"
step=0
poll eval 'step=$(( (step + 1) % 40 )); xdotool mousemove 1300 $(( 300 + step )); ! kill -0 "$pid" 2>/dev/null' ||
    { kill "$pid"; rm -f "$settings"; fail "moving the pointer over the black monitor did not end the show"; }
rm -f "$settings"
pass "moving the pointer over the black monitor ends a show that exits on mouse motion"
