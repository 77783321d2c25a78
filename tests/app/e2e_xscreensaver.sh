# Under the real XScreenSaver: activation starts our hack in the host's window,
# deactivation ends it, without X errors.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
source "$AMBER_TEST_SUPPORT/xscreensaver-lib.sh"

# XScreenSaver runs as another user; the build folder may not be open to it,
# so the hack runs from a copy of the install directory that is.
cp -r "$AMBER_SAVER_DIR" "$work/saver"
run_under_xscreensaver "$work/saver/amber-bell --root"

# The idle watcher leaves the show to the daemon that runs it.
export XDG_RUNTIME_DIR="$work/run"
mkdir -m 700 "$XDG_RUNTIME_DIR"
"$AMBER_SAVER_DIR/idle" --after 1s 2>"$work/idle.err" & watcher=$!
poll grep -q 'XScreenSaver runs and shows Amber Bell itself; the watcher starts nothing' "$work/idle.err" ||
    fail "the watcher did not stay out: $(cat "$work/idle.err")"
pgrep -P "$watcher" >/dev/null && fail "the watcher started a show beside XScreenSaver"
kill -TERM "$watcher"
pass "with XScreenSaver running, the idle watcher starts nothing"
