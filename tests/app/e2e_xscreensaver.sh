# Under the real XScreenSaver: activation starts our hack in the host's window,
# deactivation ends it, without X errors.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
source "$AMBER_TEST_SUPPORT/xscreensaver-lib.sh"

# XScreenSaver runs as another user; the build folder may not be open to it,
# so the hack runs from a copy of the install directory that is.
cp -r "$AMBER_SAVER_DIR" "$work/saver"
run_under_xscreensaver "$work/saver/amber-bell --root"
