# Two monitors side by side (one X screen shown by two outputs): the
# full-screen show covers both, as one picture, and Escape ends it.
if [ -z "${AMBER_ON_TWO_MONITORS:-}" ]; then
    [ "$(id -u)" = 0 ] && command -v Xorg >/dev/null && [ -e /usr/lib/xorg/modules/drivers/dummy_drv.so ] ||
        { echo "SKIP: needs root, Xorg and its dummy driver (scripts/install-deps installs them)"; exit 77; }
    AMBER_ON_TWO_MONITORS=1 exec "$AMBER_TEST_SUPPORT/run-under-two-monitors" bash "$0"
fi
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

"$saver" & pid=$!
window=$(wait_for_window "$pid") || fail "no window appeared"
[ "$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')" = 1824x768 ] ||
    fail "the show's window is not the whole screen: $(xwininfo -id "$window" | grep -E 'Width|Height' | tr -s ' ')"
# The middle of each monitor shows the picture, and it moves.
for area in 200x200+412+284 200x200+1324+200; do
    poll is_drawn root "$area" || fail "nothing drawn at $area ($(window_colour root "$area"))"
done
wait_frames root || fail "the picture does not move"
xdotool key Escape
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "exit after Escape: $exit_code"
pass "the full-screen show covers both monitors and ends with Escape"
