# `cmake --install` lays out the install directory, the command links, the
# recorded install directory and the XScreenSaver hack with its description,
# and lists every one of them in install_manifest.txt.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

dest="$work/root"
DESTDIR="$dest" cmake --install "$AMBER_BUILD_DIR" --prefix /opt/amber >/dev/null || fail "install failed"
lib="$dest/opt/amber/lib/amber-bell"
[ -x "$lib/amber-bell" ] || fail "no screensaver in $lib"
[ -L "$lib/Amber Bell" ] && [ "$(readlink "$lib/Amber Bell")" = amber-bell ] || fail "no renderer link"
[ "$(readlink "$dest/opt/amber/bin/amber-bell")" = ../lib/amber-bell/amber-bell ] || fail "bad bin link"
[ "$(readlink "$dest/opt/amber/libexec/xscreensaver/amber-bell")" = ../../lib/amber-bell/amber-bell ] || fail "no hack link"
[ -f "$dest/opt/amber/share/man/man6/amber-bell.6.gz" ] || fail "no manual page"
grep -q '<command arg="--root"/>' "$dest/opt/amber/share/xscreensaver/config/amber-bell.xml" || fail "no hack description"
recorded=$(find "$dest" -path '*/lumivera/Amber Bell/Settings/Path')
[ -n "$recorded" ] && [ "$(cat "$recorded")" = /opt/amber/lib/amber-bell/ ] || fail "install directory not recorded"
# install_manifest.txt lists every file and link made, so that removing what
# it lists leaves nothing.
installed=$(cd "$dest" && find . ! -type d | sed 's|^\.||' | sort)
listed=$(sort "$AMBER_BUILD_DIR/install_manifest.txt")
[ "$installed" = "$listed" ] || fail "files and manifest differ: $(diff <(echo "$listed") <(echo "$installed"))"
for name in amber-bell-config amber-bell-pak amber-bell-snapshot; do
    "$dest/opt/amber/bin/$name" --help >/dev/null || fail "bin/$name does not run"
done
pass "install lays out every file, and its manifest lists each"

# The installed program finds its install directory through the recorded value.
export AMBER_BELL_SYSCONFDIR="${recorded%/lumivera/Amber Bell/Settings/Path}"
printf '#!/bin/sh\necho "$(pwd)" > "%s/started"\n' "$work" > "$lib/config"
chmod +x "$lib/config"
printf '%s\n' "$lib/" > "$recorded"
# Run a copy from elsewhere, so its own folder is not where config lies.
mkdir -p "$work/elsewhere"
cp "$lib/amber-bell" "$work/elsewhere/"
"$work/elsewhere/amber-bell" /c
poll test -f "$work/started"
[ "$(cat "$work/started" 2>/dev/null)" = "${lib}" ] || fail "the recorded directory was not used"
pass "the installed program starts its siblings from the recorded directory"
