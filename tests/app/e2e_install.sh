# `cmake --install` lays out the install directory, the command links and the
# XScreenSaver hack with its description, all under the prefix, and lists every
# one of them in install_manifest.txt.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

dest="$work/root"
DESTDIR="$dest" cmake --install "$AMBER_BUILD_DIR" --prefix /opt/amber >/dev/null || fail "install failed"
lib="$dest/opt/amber/lib/amber-bell"
[ -x "$lib/amber-bell" ] || fail "no screensaver in $lib"
[ -L "$lib/Amber Bell" ] && [ "$(readlink "$lib/Amber Bell")" = amber-bell ] || fail "no renderer link"
[ "$(readlink "$dest/opt/amber/bin/amber-bell")" = ../lib/amber-bell/amber-bell ] || fail "bad bin link"
[ "$(readlink "$dest/opt/amber/libexec/xscreensaver/amber-bell")" = ../../lib/amber-bell/amber-bell ] || fail "no hack link"
[ -f "$dest/opt/amber/share/man/man6/amber-bell.6" ] || fail "no manual page (uncompressed, for the packaging tools)"
grep -q '<command arg="--root"/>' "$dest/opt/amber/share/xscreensaver/config/amber-bell.xml" || fail "no hack description"
[ "$(ls "$dest")" = opt ] || fail "the install wrote outside its prefix: $(ls "$dest")"
# install_manifest.txt lists every file and link made, so that removing what
# it lists leaves nothing.
installed=$(cd "$dest" && find . ! -type d | sed 's|^\.||' | sort)
listed=$(sort "$AMBER_BUILD_DIR/install_manifest.txt")
[ "$installed" = "$listed" ] || fail "files and manifest differ: $(diff <(echo "$listed") <(echo "$installed"))"
for name in amber-bell-config amber-bell-pak amber-bell-snapshot; do
    "$dest/opt/amber/bin/$name" --help >/dev/null || fail "bin/$name does not run"
done
pass "install lays out every file, and its manifest lists each"

# The packages and the preview are data, apart from the programs; the
# installed show and snapshot renderer find them from their own path.
share="$dest/opt/amber/share/amber-bell"
for file in main.pak clock.pak calendar.pak utils.pak preview.ppk; do
    [ -f "$share/$file" ] && [ ! -e "$lib/$file" ] || fail "$file is not in $share alone"
done
"$dest/opt/amber/bin/amber-bell" --help | grep -qF "$share/main.pak" || fail "the show does not read $share"
"$dest/opt/amber/bin/amber-bell-snapshot" -o "$work/installed.png" -W 64 -H 48 --at 100 >/dev/null ||
    fail "the installed snapshot renderer does not find $share"
pass "the data goes to share/amber-bell, where the installed programs find it"

# Started through its link in bin/, the installed program finds its siblings
# in its own folder; an administrator's recorded folder comes first.
export AMBER_BELL_SYSCONFDIR="$work/etc"
printf '#!/bin/sh\necho "$(pwd)" > "%s/started"\n' "$work" > "$lib/config"
chmod +x "$lib/config"
"$dest/opt/amber/bin/amber-bell" /c
poll test -f "$work/started"
[ "$(cat "$work/started" 2>/dev/null)" = "${lib}" ] || fail "the program's own folder was not used"
rm "$work/started"
mkdir -p "$work/recorded" "$AMBER_BELL_SYSCONFDIR/lumivera/Amber Bell/Settings"
cp "$lib/config" "$work/recorded/"
printf '%s\n' "$work/recorded/" > "$AMBER_BELL_SYSCONFDIR/lumivera/Amber Bell/Settings/Path"
"$dest/opt/amber/bin/amber-bell" /c
poll test -f "$work/started"
[ "$(cat "$work/started" 2>/dev/null)" = "$work/recorded" ] || fail "the recorded folder was not used"
pass "the installed program starts its siblings from its own folder, or from a recorded one"
