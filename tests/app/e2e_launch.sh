# /s starts the renderer from the install directory and waits for it; /c starts
# the configuration program and returns at once; a failed video start reports.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

install="$work/install dir"
mkdir -p "$install"
cp "$saver" "$install/amber-bell"
set_install_dir "$install/"

# A stand-in renderer that records how it was started, then takes a while.
cat > "$install/Amber Bell" <<STANDIN
#!/bin/sh
{ echo "args=\$#"; echo "cwd=\$(pwd)"; echo "env=\$SDL_VIDEO_ALLOW_SCREENSAVER"; } > "$work/renderer.txt"
sleep 1
echo ended > "$work/renderer-ended.txt"
STANDIN
chmod +x "$install/Amber Bell"

for switch in /s /S -s "/s 1234"; do
    rm -f "$work/renderer.txt" "$work/renderer-ended.txt"
    (cd / && env -u SDL_VIDEO_ALLOW_SCREENSAVER "$install/amber-bell" $switch)
    code=$?
    [ "$code" -eq 0 ] || fail "$switch exited with $code"
    [ -f "$work/renderer-ended.txt" ] || fail "$switch returned before the renderer ended"
    grep -qx 'args=0' "$work/renderer.txt" || fail "$switch: renderer got arguments: $(cat "$work/renderer.txt")"
    grep -qx "cwd=$install" "$work/renderer.txt" || fail "$switch: wrong working directory: $(cat "$work/renderer.txt")"
    grep -qx 'env=1' "$work/renderer.txt" || fail "$switch: SDL_VIDEO_ALLOW_SCREENSAVER not set"
done
pass "/s starts the renderer and waits"

# Without a recorded install directory the executable's own folder is used.
rm -rf "$AMBER_BELL_SYSCONFDIR/lumivera"
rm -f "$work/renderer-ended.txt"
"$install/amber-bell" /s || fail "/s without a recorded directory failed"
[ -f "$work/renderer-ended.txt" ] || fail "/s did not fall back to the executable's folder"
set_install_dir "$install/"
pass "/s falls back to the executable's folder"

# A missing renderer is not reported and still gives 0.
rm "$install/Amber Bell"
out=$("$install/amber-bell" /s 2>&1); code=$?
[ "$code" -eq 0 ] && [ -z "$out" ] || fail "/s with a missing renderer: code $code, output '$out'"
pass "/s with a missing renderer returns 0 silently"

# A stand-in configuration program that runs until the test lets it end: /c
# returning while it still runs shows that /c does not wait.
cat > "$install/config" <<STANDIN
#!/bin/sh
echo started > "$work/config-started.txt"
while [ ! -f "$work/config-release" ]; do sleep 0.1; done
echo ended > "$work/config-ended.txt"
STANDIN
chmod +x "$install/config"
for switch in /c /C /c:2554 "/C 2554"; do
    rm -f "$work/config-started.txt" "$work/config-ended.txt" "$work/config-release"
    "$install/amber-bell" $switch >/dev/null 2>&1
    code=$?
    [ "$code" -eq 0 ] || fail "$switch exited with $code"
    [ -f "$work/config-ended.txt" ] && fail "$switch waited for the configuration program"
    poll test -f "$work/config-started.txt" || fail "$switch did not start the configuration program"
    touch "$work/config-release"
    poll test -f "$work/config-ended.txt" || fail "the stand-in did not end"
done
pass "/c starts the configuration program and returns at once"

# --help and --version answer at once, without a display.
out=$(env -u DISPLAY "$install/amber-bell" --help); code=$?
[ "$code" -eq 0 ] || fail "--help exited with $code"
for word in "/s | -s" "/c | -c | /c:N" "/p ID" "--delay USECS" microseconds 1000000 16667 --no-fps digital24 \
            russian "--multisample on|off" "--window-id ID" "Settings/Path" "$install/" utils.pak \
            "$XDG_CONFIG_HOME/lumivera_Amber Bell_cfg"; do
    grep -qF -- "$word" <<<"$out" || fail "--help does not mention $word: $out"
done
# The SDL named is the one the test runs on (AMBER_TEST_SDL, set by the
# wrappers that swap it in).
case "${AMBER_TEST_SDL:-classic}" in
    classic) sdl='classic 1\.2\.15' ;;
    compat) sdl='sdl12-compat 1\.2\.[0-9]+ over SDL 2\.[0-9]+\.[0-9]+' ;;
    sdl3) sdl='sdl12-compat 1\.2\.[0-9]+ over sdl2-compat 2\.[0-9.]+ on SDL 3\.[0-9]+\.[0-9]+' ;;
esac
out=$(env -u DISPLAY "$install/amber-bell" -version); code=$?
# The version of CMake's project(), and the commit when this is not the
# release's checkout.
version=$(sed -n 's/^project(AmberBell VERSION \([0-9.]*\) .*/\1/p' "$AMBER_TEST_SUPPORT/../../CMakeLists.txt")
[ "$code" -eq 0 ] && [[ "$out" =~ ^amber-bell\ ${version//./\\.}(\+[0-9a-z.-]+)?$'\n'SDL:\ $sdl$ ]] ||
    fail "-version: $code, '$out'"
pass "--help and --version answer without a display"

# A host's options first, with one dash, render (the video start fails here,
# without a display) rather than configure; an unknown one is named.
out=$(env -u DISPLAY -u SDL_VIDEODRIVER "$install/amber-bell" -clock analog -calendar off -bogus 2>&1); code=$?
[ "$code" -eq 1 ] && grep -q '^Video initialization failed' <<<"$out" ||
    fail "-clock analog did not render: code $code, '$out'"
grep -qx 'amber-bell: unknown option -bogus; ignored' <<<"$out" || fail "-bogus was not named: '$out'"
pass "single-dash options first render, and an unknown option is named"

# No display: the video start fails with its message and exit code 1, on
# every SDL (none falls back to the terminal or an offscreen buffer).
out=$(env -u DISPLAY -u SDL_VIDEODRIVER "$install/amber-bell" 2>&1); code=$?
[ "$code" -eq 1 ] || fail "render mode without a display exited with $code"
case "$out" in
    "Video initialization failed: "*) ;;
    *) fail "unexpected message without a display: '$out'" ;;
esac
pass "video start failure is reported with exit code 1"

# A driver without OpenGL: the mode cannot be set.
out=$(SDL_VIDEODRIVER=dummy "$install/amber-bell" 2>&1); code=$?
[ "$code" -eq 1 ] || fail "render mode on a driver without GL exited with $code"
case "$out" in
    "Video mode set failed: "*) ;;
    *) fail "unexpected message without GL: '$out'" ;;
esac
pass "video mode failure is reported with exit code 1"
