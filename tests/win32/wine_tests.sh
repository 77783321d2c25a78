# The Windows build under Wine on a virtual X server (run by
# scripts/test-windows inside tests/support/run-under-xvfb): the unit tests,
# the run modes of the .scr, the render mode and the preview. The unit tests
# come in two programs: those that need no GL, and those on Wine's OpenGL.
#   AMBER_WIN32_BUILD  the Windows build folder (build-win32)
#   WINEPREFIX         a 32-bit Wine prefix of its own
set -u
AMBER_SAVER_DIR=$AMBER_WIN32_BUILD/saver
wineserver -k 2>/dev/null  # one started without this display would draw nowhere
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine-lib.sh"
tests_dir=$AMBER_WIN32_BUILD/tests
drive_c=$WINEPREFIX/drive_c
key='HKLM\Software\lumivera\Amber Bell\Settings'
appdata_settings="$drive_c/ProgramData/lumivera_Amber Bell_cfg"

# Blanks in the install directory are the usual case (Program Files).
install="$drive_c/Saver Set"
install_win='C:\Saver Set\'
rm -rf "$install" "$appdata_settings"
cp -r "$AMBER_SAVER_DIR" "$install"
set_registry() { wine reg add "$key" /v Path /t REG_SZ /d "$1" /f >/dev/null 2>&1; }
clear_registry() { wine reg delete "$key" /f >/dev/null 2>&1; true; }

# --- unit tests ---------------------------------------------------------------
for program in unit_tests gl_tests; do
    wine "$tests_dir/$program.exe" >"$work/$program.log" 2>&1 ||
        { grep -E -A8 'Failure|FAILED' "$work/$program.log" | head -n 60; fail "$program under Wine"; }
    pass "$program under Wine: $(grep -o '[0-9]* tests from [0-9]* test suites ran' "$work/$program.log")"
done

# --- images: the pixels Linux shows ------------------------------------------------
# PNGs of several kinds and a BMP, in a package made by the Linux tool, decode
# to the same pixels here as in the Linux build (SDL_image there).
convert -size 17x9 gradient:red-blue -alpha set -channel A -evaluate set 60% +channel png32:"$work/rgba.png"
convert -size 13x7 gradient:yellow-green -colors 16 png8:"$work/palette.png"
convert -size 11x5 gradient:white-navy -colorspace Gray png:"$work/grey.png"
convert -size 16x8 gradient:white-black bmp3:"$work/rgb.bmp"
"$AMBER_NATIVE_BUILD/tools/pak/pak" create "$work/images.pak" rgba="$work/rgba.png" palette="$work/palette.png" \
    grey="$work/grey.png" rgb="$work/rgb.bmp" >/dev/null || fail "pak create failed"
# The kinds the two decoders read otherwise, as pak import stores them: a
# palette with a transparent index, a colour key, 16 bits, a JPEG.
convert -size 16x8 gradient:red-blue -colors 8 -fill '#00ff00' -draw 'point 1,1' -transparent '#00ff00' \
    png8:"$work/keyed.png"
convert -size 16x8 gradient:white-navy -fill '#00ff00' -draw 'point 2,2' -transparent '#00ff00' \
    -define png:color-type=2 -define png:bit-depth=8 png:"$work/colourkey.png"
convert -size 16x8 gradient:red-blue -alpha set -channel A -evaluate set 50% +channel -depth 16 png64:"$work/deep.png"
convert -size 16x16 gradient:red-yellow "$work/photo.jpg"
"$AMBER_NATIVE_BUILD/tools/pak/pak" import "$work/images.pak" keyed="$work/keyed.png" colourkey="$work/colourkey.png" \
    deep="$work/deep.png" photo="$work/photo.jpg" >/dev/null || fail "pak import failed"
linux=$("$AMBER_NATIVE_BUILD/tests/image-digest" "$work/images.pak")
windows=$(wine "$tests_dir/image-digest.exe" "$(winepath -w "$work/images.pak")" 2>&1 | tr -d '\r')
[ "$(grep -c 'x' <<<"$linux")" = 8 ] || fail "Linux did not decode the eight images: $linux"
[ "$windows" = "$linux" ] || fail "the images decode otherwise here: $(diff <(echo "$linux") <(echo "$windows"))"
pass "PNG and BMP entries, and what pak import makes of the other kinds, decode to the same pixels as on Linux"

# --- /s and /c ------------------------------------------------------------------
launch="$drive_c/Launch Dir"
rm -rf "$launch"; mkdir -p "$launch"
cp "$AMBER_SAVER_DIR/amber-bell.scr" "$launch/"
cp "$tests_dir/stand-in.exe" "$launch/Amber Bell.exe"
set_registry 'C:\Launch Dir\'
for switch in /s /S -s "/s 1234"; do
    rm -f "$launch"/{started.txt,ended.txt,release}
    env -u SDL_VIDEO_ALLOW_SCREENSAVER wine "$launch/amber-bell.scr" $switch & pid=$!
    poll test -f "$launch/started.txt" || fail "$switch did not start the renderer"
    kill -0 "$pid" 2>/dev/null || fail "$switch did not wait for the renderer"
    touch "$launch/release"
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "$switch ended with $exit_code"
    [ -f "$launch/ended.txt" ] || fail "$switch returned before the renderer ended"
    grep -qx 'words=\[\]' "$launch/started.txt" || fail "$switch: the renderer got words: $(cat "$launch/started.txt")"
    grep -qix 'cwd=C:\\Launch Dir' "$launch/started.txt" || fail "$switch: working directory: $(cat "$launch/started.txt")"
    grep -qx 'env=1' "$launch/started.txt" || fail "$switch: SDL_VIDEO_ALLOW_SCREENSAVER not set"
done
pass "/s starts \"Amber Bell.exe\" from the install directory and waits for it"

for switch in /c /c:1234 "/C 2554"; do
    wine "$launch/amber-bell.scr" $switch >/dev/null 2>&1; code=$?
    [ "$code" = 0 ] || fail "$switch without config.exe ended with $code"
done
cp "$tests_dir/stand-in.exe" "$launch/config.exe"
rm -f "$launch"/{started.txt,ended.txt,release}
wine "$launch/amber-bell.scr" /c:1234 >/dev/null 2>&1; code=$?
[ "$code" = 0 ] || fail "/c:1234 ended with $code"
[ -f "$launch/ended.txt" ] && fail "/c waited for config.exe"
poll test -f "$launch/started.txt" || fail "/c did not start config.exe"
touch "$launch/release"
pass "/c and /c:1234 return at once with 0"

# --- the libraries beside the programs ------------------------------------------
# Nothing of SDL, libpng or zlib is linked in, and no program imports them at
# start: the .scr in the system folder has none beside it. They are loaded
# from the install folder, even where the system folder holds another SDL.dll.
for program in amber-bell.scr config.exe; do
    imports=$(i686-w64-mingw32-objdump -p "$AMBER_SAVER_DIR/$program" | sed -n 's/^\tDLL Name: //p')
    grep -qixFf "$AMBER_WIN32_BUILD/program-dlls.txt" <<<"$imports" && fail "$program imports a library at start: $imports"
    for code in windib "Missing IHDR before IDAT" "invalid distance too far back"; do
        grep -qaF "$code" "$AMBER_SAVER_DIR/$program" && fail "$program has library code linked in ('$code')"
    done
done
printf 'not a library' >"$launch/SDL.dll"
set_registry "$install_win"
out=$(WINEDEBUG=+loaddll wine "$launch/amber-bell.scr" --version 2>&1 | tr -d '\r')
# Wine's own DLLs load its built-in zlib1.dll first, and every later load of
# that name gets it; on Windows ours is loaded.
for dll in SDL.dll libpng16-16.dll; do
    grep -qiF "Loaded L\"C:\\\\Saver Set\\\\$dll\"" <<<"$out" || fail "$dll was not loaded from the install folder: $out"
done
grep -qx 'SDL: classic 1.2.15' <<<"$out" || fail "--version from the system folder printed: $out"
# Wine draws with the host's Mesa, here llvmpipe: asked on a hidden window,
# it is software GL, and the full-screen show goes without multisampling.
grep -qE '^GL: llvmpipe .*\(software\): no multisampling' <<<"$out" || fail "--version named no software GL: $out"
rm "$launch/SDL.dll"
set_registry 'C:\Launch Dir\'
out=$(wine "$launch/amber-bell.scr" --version 2>&1); code=$?
[ "$code" = 1 ] && tr -d '\r' <<<"$out" | grep -qF 'Amber Bell cannot load C:\Launch Dir\zlib1.dll' <<<"$out" ||
    fail "without the libraries --version ended with $code: $out"
# A recorded folder without them is not made up for by the program's own
# folder, even when that one has them; the preview says nothing.
cp "$install"/*.dll "$launch/"
mkdir -p "$drive_c/Empty"
set_registry 'C:\Empty\'
out=$(wine "$launch/amber-bell.scr" --version 2>&1); code=$?
[ "$code" = 1 ] && tr -d '\r' <<<"$out" | grep -qF 'Amber Bell cannot load C:\Empty\zlib1.dll' ||
    fail "with the libraries only beside the .scr, --version ended with $code: $out"
out=$(wine "$launch/amber-bell.scr" /p 1234 2>&1); code=$?
[ "$code" = 1 ] && ! grep -q 'Amber Bell' <<<"$out" || fail "/p without the libraries ended with $code: $out"
rm "$launch"/*.dll
# A library that lacks a function the program calls ends it with its name
# and 1, not with the delay-load helper's exception.
cp "$install/SDL.dll" "$work/SDL.dll.kept"
cp "$install/zlib1.dll" "$install/SDL.dll"
set_registry "$install_win"
wine "$launch/amber-bell.scr" --version >"$work/out" 2>&1; code=$?
out=$(tr -d '\r' <"$work/out")
cp "$work/SDL.dll.kept" "$install/SDL.dll"
[ "$code" = 1 ] && grep -qE '^Amber Bell cannot use SDL.dll, which has no function SDL_[A-Za-z_]+: install' <<<"$out" &&
    ! grep -qi 'exception\|c06d007f' <<<"$out" || fail "zlib1.dll as SDL.dll: --version ended with $code: $out"
# One that has the function --version calls and none of the rest is named
# too: every import is looked up right after the load.
cp "$tests_dir/partial-sdl.dll" "$install/SDL.dll"
out=$(wine "$launch/amber-bell.scr" --version 2>&1); code=$?
out=$(tr -d '\r' <<<"$out")
cp "$work/SDL.dll.kept" "$install/SDL.dll"
[ "$code" = 1 ] && grep -qE '^Amber Bell cannot use SDL.dll, which has no function SDL_[A-Za-z_]+: install' <<<"$out" ||
    fail "an SDL.dll with SDL_Linked_Version alone: --version ended with $code: $out"
# Run as the .scr, without a recorded folder, or with one that is relative or
# not plain text, nothing is loaded, not even what lies beside the .scr.
cp "$install"/*.dll "$launch/"
for value in "" "/t REG_SZ /d Saver" "/t REG_EXPAND_SZ /d C:\\Empty\\"; do
    clear_registry
    [ -z "$value" ] || wine reg add "$key" /v Path $value /f >/dev/null 2>&1 || fail "reg add $value failed"
    out=$(wine "$launch/amber-bell.scr" --version 2>&1); code=$?
    out=$(tr -d '\r' <<<"$out")
    [ "$code" = 1 ] && [ "$out" = "Amber Bell is not installed properly: reinstall it." ] ||
        fail "the .scr with the Path value '${value:-none}' ended with $code: $out"
done
rm "$launch"/*.dll
set_registry "$install_win"
pass "SDL and libpng are DLLs loaded from the recorded install folder and nowhere else; a missing one or function is named"

# --- the command-line text ----------------------------------------------------
# main reads the text behind the program name byte for byte as WinMain gets it
# from the C runtime: one program prints both, started by a name with a blank
# (quoted on its command line) and one without, with blanks, a tab and quotes.
# A run that printed nothing at all (seen once: Wine lost a start) is run
# again; its error output is shown when the second prints nothing either.
echo_text() {
    local out attempt
    for attempt in 1 2; do
        out=$(wine "$@" 2>"$work/echo.err" | tr -d '\r')
        [ -z "$out" ] || break
    done
    [ -n "$out" ] || fail "command line $*: the program printed nothing: $(cat "$work/echo.err")"
    winmain=$(sed -n 's/^winmain=//p' <<<"$out")
    text=$(sed -n 's/^main=//p' <<<"$out")
    [ -n "$winmain" ] && [ "$winmain" = "$text" ] ||
        fail "command line $*: WinMain got '$winmain', main got '$text'"
}
cp "$tests_dir/command-line-echo.exe" "$launch/echo.exe"
cp "$tests_dir/command-line-echo.exe" "$drive_c/echo.exe"
for program in "$launch/echo.exe" "$drive_c/echo.exe"; do
    echo_text "$program"
    echo_text "$program" /s
    echo_text "$program" "/C  2554"
    echo_text "$program" $'\t/s'
    echo_text "$program" '"/p"' 12
    echo_text "$program" /p 1234
    [ "$text" = "[/p 1234]" ] || fail "main got '$text' for /p 1234"
done
pass "main reads the command-line text exactly as WinMain gets it"

# --- render mode ----------------------------------------------------------------
set_registry "$install_win"
# Row 1 (640x480), the default overlays.
write_settings 0 1  0 1 0 0 1 1 0
cp "$XDG_CONFIG_HOME/lumivera_Amber Bell_cfg" "$appdata_settings"

# The renderer the /s mode starts renders with no words.
renderer="$install/Amber Bell.exe"
render_and_escape "$renderer"
[ "$outside" = 1 ] || fail "the show is drawn beyond 640x480 ($outside colours outside)"
pass "render mode shows the show at 640x480 and ends on Escape with 0"
render_and_escape "$install/amber-bell.scr" /x
pass "an unknown switch renders"

# The configuration program saves while a show runs: the show does not hold
# the settings file open, so it can be replaced.
(cd / && wine "$renderer") 2>"$work/render.err" & pid=$!
poll eval 'sdl_window && shows_the_show' || fail "the show did not start"
wine "$install/config.exe" set showFrameCounter=1 >"$work/set.out" 2>&1 ||
    fail "config.exe could not save during a show: $(tr -d '\r' <"$work/set.out")"
xdotool windowfocus --sync "$window_id" key Escape
wait_exit "$pid"
wine "$install/config.exe" show 2>/dev/null | tr -d '\r' | grep -qx showFrameCounter=1 ||
    fail "the save during the show was lost"
write_settings 0 1  0 1 0 0 1 1 0
cp "$XDG_CONFIG_HOME/lumivera_Amber Bell_cfg" "$appdata_settings"
pass "config.exe saves the settings while a show is running"

# Explorer's "Configure" runs the .scr with no words: the settings, no show.
wine "$install/amber-bell.scr" >/dev/null 2>&1; code=$?
[ "$code" = 0 ] || fail "the .scr with no words ended with $code"
poll eval 'dialog=$(xdotool search --name "^Amber Bell Settings\$" 2>/dev/null | head -n 1); [ -n "$dialog" ]' ||
    fail "the .scr with no words opened no settings dialog"
sdl_window && fail "the .scr with no words started the show"
config_pid=$(xdotool getwindowpid "$dialog")
xdotool windowfocus --sync "$dialog" key Escape
poll eval '! kill -0 "$config_pid" 2>/dev/null' || fail "the dialog did not close on Escape"
pass "the .scr with no words opens the settings dialog and no show"

# What Explorer, the Screen Saver list and the file's Properties show.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$AMBER_WIN32_BUILD/CMakeCache.txt")
# Every program runs as its caller, knows Windows 7 to 11 and draws real
# pixels on scaled screens; only the settings program has dialogs.
for file in amber-bell.scr "Amber Bell.exe" config.exe; do
    read_back=$(wine "$tests_dir/resource-check.exe" "$install/$file" 2>/dev/null | tr -d '\r')
    controls=; [ "$file" = config.exe ] && controls=6.0.0.0
    for line in "name=Amber Bell" "icons=16 20 24 32 40 48 64 96 128 256" "extracted=1" \
                "ProductName=Amber Bell" "CompanyName=lumivera" "FileVersion=$version" \
                "manifest-level=asInvoker" "manifest-dpiAware=true/pm" \
                "manifest-dpiAwareness=PerMonitorV2, PerMonitor" "manifest-supportedOS=4" \
                "manifest-common-controls=$controls"; do
        grep -qxF "$line" <<<"$read_back" || fail "$file: no '$line' in: $read_back"
    done
done
pass "the programs carry the name \"Amber Bell\", the heart icon at 16 to 256 pixels, version $version and a per-monitor DPI-aware manifest"
setup_manifest=$(wine "$tests_dir/resource-check.exe" "$AMBER_WIN32_BUILD/amber-bell-setup.exe" 2>/dev/null | tr -d '\r')
for line in "manifest-level=requireAdministrator" "manifest-dpiAware=true" "manifest-supportedOS=5"; do
    grep -qxF "$line" <<<"$setup_manifest" || fail "the installer: no '$line' in: $setup_manifest"
done
pass "the installer is DPI aware and names the systems it supports"

# A package that cannot be opened ends the show with 1.
mv "$install/clock.pak" "$install/clock.pak.away"
wine "$renderer" >/dev/null 2>&1 & pid=$!
wait_exit "$pid"
mv "$install/clock.pak.away" "$install/clock.pak"
[ "$exit_code" = 1 ] || fail "a missing package ended the render mode with $exit_code"
pass "a missing package ends the render mode with 1"

# Without the registry value the packages are found beside the program.
clear_registry
render_and_escape "$renderer"
set_registry "$install_win"
pass "without the registry value the program's own folder is the install directory"

# --- preview --------------------------------------------------------------------
# preview_in WIDTH HEIGHT [in-process]: a host window of that client size with
# the preview in it: the real .scr started with "/p HANDLE", or the preview
# mode run inside the host (Wine shows no GDI drawing into another process's
# child window, so pixels are checked that way). Sets host_pid, preview_pid
# and requests (the host's request folder).
preview_in() {
    requests="$work/host-$1x$2${3:+-$3}"
    mkdir -p "$requests"
    rm -f "$requests"/*
    wine "$tests_dir/preview-host.exe" "$1" "$2" "$(winepath -w "$requests")" ${3:-} \
        >"$requests/handle" 2>/dev/null &
    host_pid=$!
    poll test -s "$requests/handle" || fail "the preview host did not start"
    handle=$(tr -d '\r\n' <"$requests/handle")
    if [ -n "${3:-}" ]; then
        preview_pid=$host_pid  # ends with the preview mode's exit code
    else
        wine "$install/amber-bell.scr" /p "$handle" >/dev/null 2>&1 & preview_pid=$!
    fi
}
# capture_once: shot.ppm (the host's client area on the screen) and shot.done
# (the class and size of the host's child window).
capture_once() {
    rm -f "$requests/shot.done"
    touch "$requests/capture"
    poll test -f "$requests/shot.done"
}
end_preview() {
    touch "$requests/destroy"
    wait_exit "$preview_pid"
    [ "$exit_code" = 0 ] || fail "the preview ended with $exit_code when its host window went away"
    wait_exit "$host_pid"
}

has_child() { capture_once && grep -qx "child=Lumivera $1" "$requests/shot.done"; }
for size in 152x112 228x168; do
    preview_in "${size%x*}" "${size#*x}"
    poll has_child "$size" || fail "no Lumivera child filling the $size area: $(cat "$requests/shot.done")"
    end_preview
done
pass "/p HANDLE makes a child window filling the host's area; destroying the host ends it with 0"

convert "$install/preview.ppk" "$work/picture.ppm"
picture_shown() {
    capture_once || return 1
    convert "$requests/shot.ppm" -crop 152x112+0+0 +repage "$work/top.ppm"
    [ "$(compare_metric AE "$work/top.ppm" "$work/picture.ppm")" = 0 ]
}
preview_in 152 112 in-process
poll picture_shown || fail "the 152-wide preview does not show preview.ppk pixel for pixel"
end_preview
pass "a 152-wide preview area shows preview.ppk pixel for pixel"

all_black() { capture_once && [ "$(convert "$requests/shot.ppm" -format '%k %[fx:maxima]' info:)" = "1 0" ]; }
preview_in 151 112 in-process
poll all_black || fail "a 151-wide preview area is not black all over"
end_preview
pass "a 151-wide preview area is black all over"

# The preview areas of scaled screens (125 %, 150 %, 200 %): the picture
# scaled smoothly to fill them, as ImageMagick's bilinear filter scales it.
scaled_shown() {
    capture_once || return 1
    psnr=$(compare_metric PSNR "$requests/shot.ppm" "$work/scaled.ppm")
    awk -v p="$psnr" 'BEGIN { exit !(p == "inf" || p + 0 >= 40) }'
}
for size in 190x140 228x168 304x224; do
    convert "$install/preview.ppk" -filter Triangle -resize "$size!" "$work/scaled.ppm"
    preview_in "${size%x*}" "${size#*x}" in-process
    poll scaled_shown || fail "a $size preview area does not show the picture scaled (PSNR $psnr dB)"
    end_preview
done
pass "190-, 228- and 304-wide preview areas show the picture scaled smoothly to fill them"
