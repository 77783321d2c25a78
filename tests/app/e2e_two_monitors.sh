# Two monitors side by side (one X screen shown by two outputs): the
# full-screen show covers both, as one picture, and Escape ends it: on a bare
# X server, and under a window manager, which fits a full-screen window it
# manages to one monitor.
if [ -z "${AMBER_ON_TWO_MONITORS:-}" ]; then
    [ "$(id -u)" = 0 ] && command -v Xorg >/dev/null && [ -e /usr/lib/xorg/modules/drivers/dummy_drv.so ] ||
        { echo "SKIP: needs root, Xorg and its dummy driver (scripts/install-deps installs them)"; exit 77; }
    AMBER_ON_TWO_MONITORS=1 exec "$AMBER_TEST_SUPPORT/run-under-two-monitors" bash "$0"
fi
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

# covers_both WHERE: the show's window is the whole screen, the middle of each
# monitor shows the picture and it moves, and Escape ends the show.
covers_both() {
    "$saver" & pid=$!
    window=$(wait_for_window "$pid") || fail "$1: no window appeared"
    poll eval '[ "$(xwininfo -id "$window" | awk "/Width:/ {w=\$2} /Height:/ {h=\$2} END {print w \"x\" h}")" = 1824x768 ]' ||
        fail "$1: the show's window is not the whole screen: $(xwininfo -id "$window" | grep -E 'Width|Height' | tr -s ' ')"
    for area in 200x200+412+284 200x200+1324+200; do
        poll is_drawn root "$area" || fail "$1: nothing drawn at $area ($(window_colour root "$area"))"
    done
    wait_frames root || fail "$1: the picture does not move"
    xdotool key Escape
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "$1: exit after Escape: $exit_code"
    pass "$1: the full-screen show covers both monitors and ends with Escape"
}

covers_both "bare X server"

if command -v openbox >/dev/null; then
    openbox --sm-disable >/dev/null 2>&1 & wm=$!
    poll eval 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' || fail "openbox did not start"
    covers_both "under openbox"
    kill "$wm"
fi
