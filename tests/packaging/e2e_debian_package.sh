# The Debian package: it builds with CPack, lintian finds no errors or
# warnings in it, it holds the menu entries, icons and metainfo,
# dpkg installs it on this machine, the installed hack runs under the real
# XScreenSaver and MATE's screensaver daemon, and dpkg removes every file it brought and the
# recorded install directory it wrote (a purge also one the administrator changed). Installing for real needs root: without it the
# test is skipped (exit 77), and it leaves an amber-bell package someone
# installed on purpose alone.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
source "$AMBER_TEST_SUPPORT/xscreensaver-lib.sh"
recorded="/etc/lumivera/Amber Bell/Settings/Path"
unset AMBER_BELL_SYSCONFDIR  # the installed program reads the real /etc

(cd "$AMBER_BUILD_DIR" && cpack -G DEB -B "$work/package") >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; fail "cpack -G DEB failed"; }
deb=$(ls "$work"/package/amber-bell_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || fail "no amber-bell_*.deb was made"
[ "$(dpkg-deb -f "$deb" Package)" = amber-bell ] || fail "the package is called $(dpkg-deb -f "$deb" Package)"
dpkg-deb -f "$deb" Depends | grep -q 'libsdl1.2debian' || fail "no dependencies from the binaries: $(dpkg-deb -f "$deb" Depends)"
for file in ./usr/lib/amber-bell/amber-bell ./usr/lib/amber-bell/config ./usr/lib/amber-bell/main.pak \
            ./usr/bin/amber-bell ./usr/libexec/xscreensaver/amber-bell \
            ./usr/share/xscreensaver/config/amber-bell.xml ./usr/share/man/man6/amber-bell.6.gz \
            ./usr/lib/amber-bell/pak ./usr/bin/amber-bell-pak ./usr/share/man/man1/amber-bell-pak.1.gz \
            ./usr/bin/amber-bell-config ./usr/share/man/man1/amber-bell-config.1.gz \
            ./usr/bin/amber-bell-snapshot ./usr/share/man/man1/amber-bell-snapshot.1.gz \
            ./usr/share/doc/amber-bell/copyright ./usr/share/doc/amber-bell/LICENSE \
            ./usr/share/doc/amber-bell/THIRD-PARTY-NOTICES.txt.gz; do
    dpkg-deb -c "$deb" | grep -q " $file\( \|$\)" || fail "$file is not in the package"
done
# What desktops read: the build's share folder (menu entries, the daemons'
# entry, metainfo, the icon at 8 sizes).
desktop_files=$(cd "$AMBER_BUILD_DIR/share" && find . -type f)
[ "$(grep -c '\.png$' <<<"$desktop_files") $(grep -c '\.desktop$' <<<"$desktop_files")" = "8 3" ] &&
    grep -q '^./applications/screensavers/amber-bell.desktop$' <<<"$desktop_files" || fail "share: $desktop_files"
for file in $desktop_files; do
    dpkg-deb -c "$deb" | grep -q " ./usr/share/${file#./}$" || fail "/usr/share/${file#./} is not in the package"
done
command -v lintian >/dev/null || fail "lintian is not installed"
lintian "$deb" >"$work/lintian.log" 2>&1
grep -q '^[EW]:' "$work/lintian.log" && { cat "$work/lintian.log"; fail "lintian reports errors or warnings"; }
pass "the package builds, holds every file, depends on what the binaries need, and lintian reports nothing"

[ "$(id -u)" = 0 ] || { echo "SKIP: installing the package needs root"; exit 77; }
if dpkg-query -W -f '${Status}' amber-bell 2>/dev/null | grep -q 'installed'; then
    echo "SKIP: an amber-bell package is installed on this machine already"; exit 77
fi
[ -e "$recorded" ] && { echo "SKIP: $recorded exists already"; exit 77; }
trap 'dpkg --purge amber-bell >/dev/null 2>&1; cleanup_work' EXIT

dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i failed"; }
[ "$(cat "$recorded")" = /usr/lib/amber-bell/ ] || fail "the install directory recorded is '$(cat "$recorded")'"
[ "$(readlink -f /usr/libexec/xscreensaver/amber-bell)" = /usr/lib/amber-bell/amber-bell ] ||
    fail "the hack link leads to $(readlink -f /usr/libexec/xscreensaver/amber-bell)"
man -w amber-bell >/dev/null 2>&1 || fail "man cannot find amber-bell"
man -w amber-bell-pak >/dev/null 2>&1 || fail "man cannot find amber-bell-pak"
amber-bell-pak check /usr/lib/amber-bell/main.pak > "$work/check.out" 2>&1 ||
    fail "the installed amber-bell-pak: $(cat "$work/check.out")"
pass "dpkg -i installs it, records the install directory, and its package tool checks its packages"

run_under_xscreensaver "amber-bell --root"
trap 'dpkg --purge amber-bell >/dev/null 2>&1; cleanup_work' EXIT
# MATE's screensaver daemon lists the installed entry and runs the installed show.
"$AMBER_TEST_SUPPORT/check-mate-screensaver"; code=$?
[ "$code" = 0 ] || [ "$code" = 77 ] || fail "the installed show under MATE's screensaver daemon"

dpkg -L amber-bell | sort > "$work/files"
dpkg -r amber-bell >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r failed"; }
# Folders the package shares with others (/usr/bin, ...) stay; nothing of ours does.
while read -r path; do
    [ -d "$path" ] && [ ! -L "$path" ] && continue
    [ -e "$path" ] || [ -L "$path" ] && fail "dpkg -r left $path"
done < "$work/files"
[ ! -e /usr/lib/amber-bell ] || fail "dpkg -r left /usr/lib/amber-bell"
# The recorded folder goes with the folder it names (any build's "/s" would
# look there), and a folder the administrator recorded stays until a purge.
[ ! -e /etc/lumivera ] || fail "dpkg -r left $(find /etc/lumivera) naming the removed folder"
dpkg -i "$deb" >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -i after a remove failed"; }
[ "$(cat "$recorded")" = /usr/lib/amber-bell/ ] || fail "a new install recorded '$(cat "$recorded")'"
printf /opt/amber-bell/ >"$recorded"
dpkg -r amber-bell >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg -r failed"; }
[ "$(cat "$recorded" 2>/dev/null)" = /opt/amber-bell/ ] || fail "dpkg -r removed the administrator's recorded folder"
dpkg --purge amber-bell >"$work/dpkg.log" 2>&1 || { cat "$work/dpkg.log"; fail "dpkg --purge failed"; }
[ ! -e /etc/lumivera ] || fail "the purge left $(find /etc/lumivera)"
pass "dpkg -r removes every file it installed and the recorded folder it wrote; --purge also one the administrator wrote"
