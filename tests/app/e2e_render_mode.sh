# The render mode opens the full-screen mode the settings select and ends on
# Escape with exit code 0.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

window_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# run_and_check EXPECTED_SIZE: starts the saver, checks its window, ends it.
run_and_check() {
    "$saver" & pid=$!
    id=$(wait_for_window "$pid") || fail "no window appeared"
    # SDL maps its window small and resizes it: wait for it to settle.
    expected=$1
    poll eval '[ "$(window_size "$id")" = "$expected" ]' ||
        { kill "$pid"; fail "window is $(window_size "$id"), expected $expected"; }
    xdotool key Escape
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "exit after Escape: $exit_code"
}

# No settings file: the desktop's mode.
run_and_check 1600x1200
pass "no settings file opens the desktop's mode"

# Row 3 of the resolution table.
write_settings 0 3  0 1 0 0 1 1 0
run_and_check 1024x768
pass "a settings file selecting 1024x768 opens that mode"

# An index outside the table falls back to the desktop's mode.
write_settings 0 12  0 1 0 0 1 1 0
run_and_check 1600x1200
pass "an unknown resolution row opens the desktop's mode"

# A package in the user's skin folder is read instead of the installed one.
mkdir -p "$XDG_DATA_HOME/amber-bell/skin"
echo "not a package" >"$XDG_DATA_HOME/amber-bell/skin/clock.pak"
"$saver" 2>"$work/stderr" & pid=$!
id=$(wait_for_window "$pid") || fail "no window appeared with a skin folder"
poll grep -q "^package $XDG_DATA_HOME/amber-bell/skin/clock.pak refused" "$work/stderr" ||
    { kill "$pid"; fail "the skin folder's clock.pak was not read: $(cat "$work/stderr")"; }
xdotool key Escape
wait_exit "$pid"
pass "a package in the user's skin folder comes before the installed one"
