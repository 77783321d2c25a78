# MATE's screensaver daemon runs the build's show from the build's entry
# (tests/support/check-mate-screensaver); the build's program goes into the
# daemon's hack folder in a mount namespace of the test's own (root only).
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
# The daemon's own hack folder: Debian 13 moved it to libexec.
hacks=/usr/libexec/mate-screensaver
[ -d "$hacks" ] || hacks=/usr/lib/mate-screensaver/mate-screensaver
[ -d "$hacks" ] ||
    { echo "SKIP: mate-screensaver is not installed (scripts/install-deps installs it)"; exit 77; }
[ "$(id -u)" = 0 ] && unshare --mount --propagation private true 2>/dev/null ||
    { echo "SKIP: no mount namespace here (needs root); the package test runs the installed show instead"; exit 77; }

mkdir "$work/hacks"
ln -s "$saver" "$work/hacks/amber-bell"
export XDG_DATA_DIRS="$AMBER_BUILD_DIR/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}"
export PATH="$AMBER_SAVER_DIR:$PATH"  # where the menu library looks for the entry's TryExec
unshare --mount --propagation private \
    bash -c 'mount --bind "$1" "$2" && exec "$3"' bash "$work/hacks" "$hacks" "$AMBER_TEST_SUPPORT/check-mate-screensaver"
