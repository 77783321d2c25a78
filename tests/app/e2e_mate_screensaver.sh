# MATE's screensaver daemon lists the build's entry and runs the build's show
# in its window (tests/support/check-mate-screensaver). The daemon runs only
# programs from its own hack folders, so the build's program is put into one
# in a mount namespace of this test's own (root only): the system's folder is
# left as it is.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
hacks=/usr/lib/mate-screensaver/mate-screensaver
command -v mate-screensaver >/dev/null && [ -d "$hacks" ] ||
    { echo "SKIP: mate-screensaver is not installed (scripts/install-deps installs it)"; exit 77; }
[ "$(id -u)" = 0 ] && unshare --mount --propagation private true 2>/dev/null ||
    { echo "SKIP: no mount namespace here (needs root); the package test runs the installed show instead"; exit 77; }

mkdir "$work/hacks"
ln -s "$saver" "$work/hacks/amber-bell"
export XDG_DATA_DIRS="$AMBER_BUILD_DIR/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
export PATH="$AMBER_SAVER_DIR:$PATH"  # where the menu library looks for the entry's TryExec
unshare --mount --propagation private \
    bash -c 'mount --bind "$1" "$2" && exec "$3"' bash "$work/hacks" "$hacks" "$AMBER_TEST_SUPPORT/check-mate-screensaver"
