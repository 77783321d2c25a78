# The Windows installer and the configuration program under Wine (run by
# scripts/test-windows after wine_tests.sh, on the same virtual X server, and
# again in a 64-bit prefix): a silent install, the installed screensaver and
# its settings dialog, the screensaver selection, and a silent uninstall that
# leaves nothing of ours behind.
#   AMBER_WIN32_BUILD  the Windows build folder (build-win32)
#   WINEPREFIX         a Wine prefix of its own, 32- or 64-bit
set -u
AMBER_SAVER_DIR=$AMBER_WIN32_BUILD/saver
wineserver -k 2>/dev/null
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
source "$(dirname "${BASH_SOURCE[0]}")/wine-lib.sh"
drive_c=$WINEPREFIX/drive_c
# On 64-bit Windows the 32-bit setup goes to the 32-bit program and system
# folders, and its registry values to the 32-bit view, which 32-bit reg.exe reads.
if [ -d "$drive_c/windows/syswow64" ]; then
    program_files="$drive_c/Program Files (x86)"
    system_folder=syswow64
    reg="C:\\windows\\syswow64\\reg.exe"
else
    program_files="$drive_c/Program Files"
    system_folder=system32
    reg=reg
fi
installed="$program_files/lumivera/Amber Bell"
# A folder chosen inside Program Files, typed with its short name (below).
chosen_dir="$program_files/Savers/AmberBell"
chosen_win="C:\\${program_files#$drive_c/}\\Savers\\AmberBell"
scr="$drive_c/windows/$system_folder/amber-bell.scr"
start_menu="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Amber Bell"
cfg="$drive_c/ProgramData/lumivera_Amber Bell_cfg"
key='HKLM\Software\lumivera\Amber Bell\Settings'
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Amber Bell'
desktop_key='HKCU\Control Panel\Desktop'
hex() { od -An -tx1 -v "$1" | tr -d ' \n'; }
config() { wine "$installed/config.exe" "$@" 2>&1 | tr -d '\r'; }
# reg_value KEY NAME: the text of a REG_SZ value; fails when there is none.
reg_value() {
    wine "$reg" query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep .
}
has_key() { wine "$reg" query "$1" >/dev/null 2>&1; }

# What a failed run may have left.
rm -rf "$installed" "$program_files/Savers" "$drive_c/Savers" "$scr" "$start_menu"
wine "$reg" delete "$uninstall_key" /f >/dev/null 2>&1

# Program Files' short name, for /D=, which takes no quotes and so no blank;
# setup resolves it to the long one.
short_programs=$(winepath -s "C:\\${program_files#$drive_c/}" 2>/dev/null)
[ -n "$short_programs" ] && [[ "$short_programs" != *" "* ]] || fail "Program Files has no short name: '$short_programs'"

# --- a folder the system's code page cannot spell ---------------------------------
wine "$AMBER_WIN32_BUILD/amber-bell-setup.exe" /S "/D=$short_programs\\Amber★Bell"; code=$?
[ "$code" = 2 ] || fail "the install into a folder the code page cannot hold ended with $code"
[ ! -e "$program_files/Amber★Bell" ] && [ ! -e "$scr" ] || fail "files were installed into 'Amber★Bell'"
pass "a folder whose name the ANSI code page cannot hold is refused"
# expect_settings "name=value ...": what the installed `config.exe show` prints.
expect_settings() {
    local shown
    shown=$(config show | tr '\n' ' ')
    [ "$shown" = "$1 " ] || fail "settings are '$shown', expected '$1'"
}

wine "$reg" delete 'HKLM\Software\lumivera' /f >/dev/null 2>&1
rm -f "$cfg"

# --- silent install -------------------------------------------------------------
wine reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
wine "$AMBER_WIN32_BUILD/amber-bell-setup.exe" /S /screensaver; code=$?
[ "$code" = 0 ] || fail "the silent install ended with $code"
mapfile -t dlls <"$AMBER_WIN32_BUILD/program-dlls.txt"
for file in "Amber Bell.exe" config.exe "${dlls[@]}" \
            main.pak clock.pak calendar.pak utils.pak preview.ppk LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    cmp -s "$AMBER_WIN32_BUILD/saver/$file" "$installed/$file" || fail "$file is not installed as built"
done
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
cmp -s "$AMBER_WIN32_BUILD/saver/amber-bell.scr" "$scr" || fail "amber-bell.scr is not in the system folder"
path=$(reg_value "$key" Path) || fail "no registry value Path"
[ "$path" = "C:\\${program_files#$drive_c/}\\lumivera\\Amber Bell\\" ] || fail "the registry value Path is '$path'"
[ "$(reg_value "$uninstall_key" DisplayName)" = "Amber Bell" ] || fail "not in the list of installed programs"
[ "$(reg_value "$uninstall_key" UninstallString)" = "\"${path}uninstall.exe\"" ] ||
    fail "the uninstall command is '$(reg_value "$uninstall_key" UninstallString)'"
[ "$(reg_value "$uninstall_key" DisplayIcon)" = "${path}config.exe,0" ] ||
    fail "the uninstall entry's icon is '$(reg_value "$uninstall_key" DisplayIcon)'"
for link in "Amber Bell Settings.lnk" "Uninstall Amber Bell.lnk"; do
    [ -f "$start_menu/$link" ] || fail "no Start-menu entry $link"
done
pass "the silent install puts the files, the .scr, the Start-menu entries and the registry values in place"

# Notepad before Windows 10 shows a text without CRs as one line.
for file in LICENSE.txt THIRD-PARTY-NOTICES.txt; do
    [ "$(grep -c $'\r$' "$installed/$file")" = "$(wc -l <"$installed/$file")" ] || fail "$file has lines without CRLF"
done
notices=$(tr -d '\r' <"$installed/THIRD-PARTY-NOTICES.txt")
for part in "SDL 1.2" libpng zlib CLI11 "mingw-w64 runtime" winpthreads "GCC's runtime libraries" NSIS LZMA \
            "$(basename "$(ls "$AMBER_WIN32_BUILD"/amber-bell-*-windows-sources.tar.xz)")" \
            "https://github.com/lumivera/amber-bell/releases" "Patches applied to the Windows libraries" \
            "libsdl1.2 1.2.15+dfsg2-8:" CVE-2019-13616.patch; do
    grep -qF -- "$part" <<<"$notices" || fail "THIRD-PARTY-NOTICES.txt does not name $part"
done
! grep -qF '<version>' <<<"$notices" || fail "THIRD-PARTY-NOTICES.txt names no version: <version>"
pass "the licence and the notices have CRLF line endings; the notices name every library, the sources and the patches"

# The screensaver chosen as the finish page does it: a path the system opens.
chosen=$(reg_value "$desktop_key" SCRNSAVE.EXE) || fail "the screensaver was not recorded"
[ "$(echo "$chosen" | tr 'A-Z' 'a-z')" = "c:\\windows\\$system_folder\\amber-bell.scr" ] ||
    fail "the screensaver recorded is '$chosen'"
[ -f "$(winepath -u "$chosen" 2>/dev/null)" ] || fail "the recorded screensaver $chosen does not exist"
[ "$(reg_value "$desktop_key" ScreenSaveActive)" = 1 ] || fail "the screensaver is not active"
pass "the installer records $chosen as the screensaver"

# --- the installed screensaver and config.exe -----------------------------------
# Without a settings file the show fills the screen; row 1 keeps it to 640x480.
# The command line is the Linux program's.
render_and_escape "$scr" /s
[ "$outside" -gt 1 ] || fail "without settings the show did not fill the screen"
config set resolutionIndex=1 >/dev/null || fail "config.exe set failed"
render_and_escape "$scr" /s
[ "$outside" = 1 ] || fail "the show ignored the row config.exe set ($outside colours outside 640x480)"
[ "$(config path)" = 'C:\ProgramData\lumivera_Amber Bell_cfg' ] || fail "config.exe path printed '$(config path)'"
config --help | grep -q 'ProgramData' || fail "config.exe --help does not say where the settings are"
config reset >/dev/null || fail "config.exe reset failed"
expect_settings "showFrameCounter=0 showClock=1 analogClock=0 clock24Hour=0 largeClock=1 showCalendar=1 russianCalendar=0 exitOnMouseMove=0 resolutionIndex=0"
config set resolutionIndex=1 >/dev/null
pass "the installed .scr /s renders; config.exe set, show, reset and path work as on Linux"

# --- the dialog ---------------------------------------------------------------------
# open_dialog COMMAND...: starts it and focuses the dialog; sets pid and dialog.
open_dialog() {
    "$@" >/dev/null 2>&1 & pid=$!
    dialog=""
    poll eval 'dialog=$(xdotool search --name "^Amber Bell Settings\$" 2>/dev/null | head -n 1); [ -n "$dialog" ]' ||
        fail "the settings dialog did not appear"
    poll eval 'xwininfo -id "$dialog" 2>/dev/null | grep -q IsViewable' || fail "the dialog was not mapped"
    xdotool windowfocus --sync "$dialog"
}
# Wine takes the keys from the X queue in order, so they can go in one call.
keys() { xdotool key "$@"; }
close_dialog() {
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "the dialog ended with '$exit_code'"
}

# A file with blocks A and B and an unused word, which the screensaver skips.
printf "$(le32 1)$(le32 3)ABC$(le32 2)\\xff\\x00\\x01$(le32 0x12345678)$(le32 2)\\x00\\x01\\x00\\x00\\x01\\x01\\x00" > "$cfg"
before=$(hex "$cfg")
open_dialog wine "$installed/config.exe"
keys alt+f alt+x alt+l Escape
close_dialog
[ "$(hex "$cfg")" = "$before" ] || fail "Escape changed the file"
open_dialog wine "$installed/config.exe"
keys alt+f alt+u alt+c
close_dialog
[ "$(hex "$cfg")" = "$before" ] || fail "Cancel changed the file"
pass "Cancel and Escape in the dialog leave the settings file byte for byte"

open_dialog wine "$installed/config.exe"
keys alt+f alt+x alt+r Down alt+o
close_dialog
expected=$(printf '%s' 01000000 03000000 414243 02000000 ff00 00 78563412 03000000 01010000010100)
[ "$(hex "$cfg")" = "$expected" ] || fail "OK wrote $(hex "$cfg")"
expect_settings "showFrameCounter=1 showClock=1 analogClock=0 clock24Hour=0 largeClock=1 showCalendar=1 russianCalendar=0 exitOnMouseMove=0 resolutionIndex=3"
pass "OK writes the chosen values and keeps what the screensaver does not read"

# A folder where the file should be: OK cannot replace it, and says so.
saved=$(hex "$cfg")
mv "$cfg" "$work/cfg"
mkdir "$cfg"
open_dialog wine "$installed/config.exe"
keys alt+o
poll eval 'box=$(xdotool search --name "^Amber Bell Settings\$" 2>/dev/null | head -n 1); [ -n "$box" ] && [ "$box" != "$dialog" ]' ||
    fail "no message box when the settings could not be saved"
press_in "$box" Return
wait_exit "$pid"
[ "$exit_code" = 1 ] || fail "a failed save ended the dialog with $exit_code"
[ -d "$cfg" ] || fail "a failed save removed the folder in the file's place"
[ -z "$(ls -A "$drive_c/ProgramData" | grep -F '_cfg.new-')" ] ||
    fail "a failed save left its new file behind: $(ls -A "$drive_c/ProgramData")"
rmdir "$cfg"
mv "$work/cfg" "$cfg"
pass "a save that fails is reported in a message box, ends with 1 and leaves nothing behind"

# The Screen Saver dialog's Settings button: "/c:HWND" to the installed .scr,
# which starts config.exe; the dialog is owned by the window that asked.
mkdir -p "$work/host"
wine "$AMBER_WIN32_BUILD/tests/preview-host.exe" 320 240 "$(winepath -w "$work/host")" >"$work/host/handle" 2>/dev/null &
host_pid=$!
poll test -s "$work/host/handle" || fail "the stand-in Screen Saver dialog did not start"
handle=$(tr -d '\r\n' <"$work/host/handle")
host_window=$(printf '0x%x' "$(xdotool search --name '^Preview host$' | head -n 1)")
open_dialog wine "$scr" "/c:$handle"
owner=$(xprop -id "$dialog" WM_TRANSIENT_FOR | awk '{print $NF}')
[ "$owner" = "$host_window" ] || fail "the dialog is owned by '$owner', not by the asking window $host_window"
config_pid=$(xdotool getwindowpid "$dialog") || fail "the dialog has no process id"
close_dialog  # the .scr returned at once
keys alt+r Home Down Return  # Return is OK
poll eval '! kill -0 "$config_pid" 2>/dev/null' || fail "the dialog did not close on Return"
touch "$work/host/destroy"
wait_exit "$host_pid"
render_and_escape "$scr" /s
[ "$outside" = 1 ] || fail "the show ignored the row chosen in the dialog ($outside colours outside 640x480)"
pass "/c:HWND opens the dialog over the asking window; the row chosen there is the next show's"

# --- silent uninstall -------------------------------------------------------------
# The uninstaller runs from a copy in the temporary folder and returns at once.
wine "$installed/uninstall.exe" /S; code=$?
[ "$code" = 0 ] || fail "the silent uninstall ended with $code"
poll eval '[ ! -e "$installed" ] && [ ! -e "$scr" ]' || fail "the uninstaller left $(ls -A "$installed" 2>/dev/null) $scr"
wineserver -w
[ ! -e "$drive_c/Program Files/lumivera" ] || fail "the lumivera folder is left"
[ ! -e "$cfg" ] || fail "the settings file is left"
has_key "$key" && fail "the registry key is left"
has_key 'HKLM\Software\lumivera' && fail "HKLM\\Software\\lumivera is left"
has_key "$uninstall_key" && fail "still in the list of installed programs"
reg_value "$desktop_key" SCRNSAVE.EXE >/dev/null && fail "the screensaver selection still names the deleted .scr"
left=$(find "$drive_c" \( -iname '*amber*bell*' -o -iname '*lumivera*' \) ! -path "$drive_c/Saver Set*" ! -path "$drive_c/Launch Dir*")
[ -z "$left" ] || fail "files of ours are left: $left"
pass "the silent uninstall removes every file, the registry keys, the Start menu, the .scr and its selection"

# --- a second setup -----------------------------------------------------------------
setup() { wine "$AMBER_WIN32_BUILD/amber-bell-setup.exe" "$@"; code=$?; }
copies() { find "$drive_c" -name 'Amber Bell.exe' ! -path "$drive_c/Saver Set/*" ! -path "$drive_c/Launch Dir/*"; }
setup /S "/D=$short_programs\\Savers\\AmberBell"
[ "$code" = 0 ] || fail "the install into $short_programs\\Savers\\AmberBell ended with $code"
printf x >>"$chosen_dir/preview.ppk"  # a replaced file loses it
setup /S
[ "$code" = 0 ] || fail "the second silent setup ended with $code"
cmp -s "$AMBER_SAVER_DIR/preview.ppk" "$chosen_dir/preview.ppk" || fail "the second setup did not replace the files in $chosen_dir"
[ "$(copies)" = "$chosen_dir/Amber Bell.exe" ] || fail "copies after the second setup: $(copies)"
[ "$(reg_value "$key" Path)" = "$chosen_win\\" ] || fail "the registry value Path is '$(reg_value "$key" Path)'"
pass "a second silent setup replaces the install in the folder chosen first"

bytes=$(( $(find "$chosen_dir" -type f -printf '%s+') $(stat -c %s "$scr") ))
size=$(reg_value "$uninstall_key" EstimatedSize) || fail "no EstimatedSize"
[ "$((size))" = "$(( (bytes + 1023) / 1024 ))" ] || fail "EstimatedSize is $((size)) KiB for $bytes bytes"
pass "EstimatedSize is the size of the install folder and the .scr"

# An older version's settings file gets the access every save gives now, but
# only a regular file with one name: a hard link any user put there to
# another file loses its name, and the other file stays as it was.
printf old >"$cfg"
setup /S
[ "$code" = 0 ] && [ "$(cat "$cfg")" = old ] || fail "setup over an older settings file: $code, '$(cat "$cfg")'"
rm "$cfg"
printf secret >"$drive_c/other-file"
ln "$drive_c/other-file" "$cfg"
setup /S
[ "$code" = 0 ] || fail "setup over a hard link ended with $code"
[ ! -e "$cfg" ] && [ "$(cat "$drive_c/other-file")" = secret ] && [ "$(stat -c %h "$drive_c/other-file")" = 1 ] ||
    fail "setup left the hard link, or changed the other file"
rm "$drive_c/other-file"
pass "setup gives an older settings file the access every save gives, and takes a hard link's name away"

# Only a folder inside Program Files is taken: a fresh one outside (C:\Savers
# would inherit every user's right to change it), a folder a user made, and
# Program Files itself are refused with 4, and nothing is made or changed.
mkdir -p "$drive_c/users/Public/Mine"
for folder in 'C:\Savers\AmberBell' 'C:\users\Public\Mine' "$short_programs"; do
    printf x >>"$chosen_dir/preview.ppk"
    setup /S "/D=$folder"
    [ "$code" = 4 ] && ! cmp -s "$AMBER_SAVER_DIR/preview.ppk" "$chosen_dir/preview.ppk" ||
        fail "setup into $folder ended with $code, or replaced the files"
done
[ ! -e "$drive_c/Savers" ] && [ -z "$(ls -A "$drive_c/users/Public/Mine")" ] || fail "setup left files outside Program Files"
rmdir "$drive_c/users/Public/Mine"
setup /S
pass "setup installs only inside Program Files, as the folder resolves, and refuses any other with 4"

# Something in the settings file's place that setup cannot take away (a
# folder with a file in it) stops setup with 5 before anything is changed.
mkdir "$cfg"
touch "$cfg/kept"
printf x >>"$chosen_dir/preview.ppk"
setup /S
[ "$code" = 5 ] && [ -e "$cfg/kept" ] && ! cmp -s "$AMBER_SAVER_DIR/preview.ppk" "$chosen_dir/preview.ppk" ||
    fail "setup over a folder in the settings file's place ended with $code, or changed something"
rm -r "$cfg"
setup /S
pass "setup stops with 5 and changes nothing when the settings file's place cannot be taken over"

# --- setup while a show runs: hashes tell whether anything was replaced ---------------
hashes() { (cd "$chosen_dir" && md5sum -- * && md5sum "$scr"); }
(cd / && wine "$scr" /s) 2>/dev/null & show_pid=$!
poll sdl_window || fail "the show did not start"
printf x >>"$chosen_dir/preview.ppk"
before=$(hashes)
setup /S
[ "$code" = 3 ] || fail "the setup while a show runs ended with $code"
wine "$chosen_dir/uninstall.exe" /S "_?=$short_programs\\Savers\\AmberBell"; code=$?  # in place, to wait for its exit code
[ "$code" = 3 ] || fail "the uninstall while a show runs ended with $code"
[ "$(hashes)" = "$before" ] || fail "files changed while the show ran: $(diff <(echo "$before") <(hashes))"
xdotool windowfocus --sync "$window_id" key Escape
wait_exit "$show_pid"
setup /S
[ "$code" = 0 ] || fail "the setup after the show ended with $code"
cmp -s "$AMBER_SAVER_DIR/preview.ppk" "$chosen_dir/preview.ppk" || fail "the setup after the show did not replace the files"
pass "setup and uninstall stop with 3 and change nothing while a show runs; setup works once it ends"

# --- what the finish page hands Windows ---------------------------------------------
# Setup with its pages keeps the remembered folder; its finish page has Explorer
# start reg.exe: a stand-in here, recording into the 32-bit system folder.
record="$drive_c/windows/$system_folder"
overrides='HKCU\Software\Wine\DllOverrides'
# stand_in_for PROGRAM: the stand-in takes the place of system32\PROGRAM in
# every process, Explorer's too, through a load-order override in the prefix's
# registry, which every new process reads (Explorer, started with the first
# program, may not have the environment's); give_back PROGRAM undoes it.
stand_in_for() {
    cp -p "$drive_c/windows/system32/$1" "$work/$1"
    cp "$AMBER_WIN32_BUILD/tests/stand-in.exe" "$drive_c/windows/system32/$1"
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;reg.exe=b" wine reg add "$overrides" /v "$1" /t REG_SZ /d native /f >/dev/null 2>&1
    rm -f "$record"/{started.txt,ended.txt,release}
}
give_back() {
    WINEDLLOVERRIDES="$WINEDLLOVERRIDES;reg.exe=b" wine reg delete "$overrides" /v "$1" /f >/dev/null 2>&1
    cp -p "$work/$1" "$drive_c/windows/system32/$1"
    rm -f "$record"/{started.txt,ended.txt,release}
}
stand_in_for reg.exe
trap 'give_back reg.exe; cleanup_work' EXIT
wineserver -k
# The welcome and finish pages have the tall dark picture on their left.
shows_side_picture() { window_colour "$setup_window" 100x150+20+40 | awk '{ exit !($1 < 128) }'; }
printf x >>"$chosen_dir/preview.ppk"
wine "$AMBER_WIN32_BUILD/amber-bell-setup.exe" >/dev/null 2>&1 & setup_pid=$!
# press_on_page TEXT: waits for the page that shows TEXT, then presses Return
# (its default button) in the installer's window.
press_on_page() {
    local text=$1
    poll eval 'wine "$AMBER_WIN32_BUILD/tests/window-texts.exe" "Amber Bell Setup" 2>/dev/null | tr -d "\r" | grep -qxF "$text"' ||
        fail "the installer did not show '$text'"
    setup_window=$(xdotool search --name "^Amber Bell Setup" 2>/dev/null | head -n 1)
    press_in "$setup_window" Return
}
press_on_page "Welcome to Amber Bell Setup"
press_on_page "License Agreement"
press_on_page "Choose Install Location"  # Return is Install
poll cmp -s "$AMBER_SAVER_DIR/preview.ppk" "$chosen_dir/preview.ppk" || fail "setup with its pages did not replace the files"
poll shows_side_picture || fail "no finish page"
press_on_page "Completing Amber Bell Setup"  # Finish, the box checked
wait_exit "$setup_pid"
[ "$exit_code" = 0 ] || fail "the installer ended with $exit_code"
add='words=[add "hkcu\control panel\desktop" /v'
expected=$(printf '%s\n' "$add scrnsave.exe /t reg_sz /d \"c:\\windows\\$system_folder\\amber-bell.scr\" /f]" \
    "$add screensaveactive /t reg_sz /d 1 /f]" env= env= parent=explorer.exe parent=explorer.exe \
    'cwd=c:\windows\system32' 'cwd=c:\windows\system32' | sort)
poll eval '[ "$(tr A-Z a-z <"$record/started.txt" 2>/dev/null | sort)" = "$expected" ]' ||
    fail "reg.exe was started as: $(cat "$record/started.txt" 2>/dev/null)"
touch "$record/release"
wineserver -w
give_back reg.exe
trap cleanup_work EXIT
pass "setup with its pages keeps the folder; the finish page has Explorer start reg.exe add for the choice"

# --- what the uninstaller hands Windows for the desktop user's choice ---------------
# The desktop's user may be another account than the elevated uninstaller's:
# Explorer starts cmd.exe (a stand-in here, as reg.exe above) to clear that
# user's choice when it names our .scr.
stand_in_for cmd.exe
trap 'give_back cmd.exe; cleanup_work' EXIT
wineserver -k
wine "$chosen_dir/uninstall.exe" /S
poll eval '[ ! -e "$chosen_dir" ] && [ ! -e "$scr" ] && ! has_key "$uninstall_key"' || fail "the uninstaller left the install in $chosen_dir"
poll grep -q '^parent=' "$record/started.txt" || fail "the uninstaller started no cmd.exe through Explorer"
started=$(tr -d '\r' <"$record/started.txt")
touch "$record/release"
wineserver -w
give_back cmd.exe
trap cleanup_work EXIT
grep -qix 'parent=explorer.exe' <<<"$started" || fail "cmd.exe was not started by Explorer: $started"
words=$(sed -n 's/^words=\[\(.*\)\]$/\1/p' <<<"$started")
[[ "$words" == '/d /s /c "'*'"' ]] || fail "cmd.exe was given: $words"
# The words, run by the real cmd.exe exactly as Explorer hands them (/s takes
# what is inside the outer quotes as it stands), clear a choice of our .scr,
# by either of its names, in any folder, and keep any other: also values with
# blanks, quotes and "&", which must stay data and never become commands.
short=$(sed -n 's/.*(amber-bell.scr \([^ )]*\).*/\1/p' <<<"$words")
[ -n "$short" ] || fail "no short name in: $words"
printf '"C:\\windows\\system32\\cmd.exe" %s\r\n' "$words" >"$drive_c/clear-choice.txt"
other='C:\windows\system32\other.scr'
injected='C:\a b & echo x>C:\injected.txt & \other.scr'
for choice in 'C:\windows\system32\amber-bell.scr=' "C:\\WINDOWS\\$short=" 'C:\My Savers\a&b\amber-bell.scr=' \
              "$other=$other" 'C:\My "quoted" & more\other.scr=C:\My "quoted" & more\other.scr' \
              "$injected=$injected"; do
    wine reg add "$desktop_key" /v SCRNSAVE.EXE /t REG_SZ /d "${choice%%=*}" /f >/dev/null 2>&1
    [ "$(reg_value "$desktop_key" SCRNSAVE.EXE)" = "${choice%%=*}" ] || fail "reg add could not write ${choice%%=*}"
    wine "$AMBER_WIN32_BUILD/tests/command-line-echo.exe" --run 'C:\clear-choice.txt' >/dev/null 2>&1
    left=$(reg_value "$desktop_key" SCRNSAVE.EXE)
    [ "$left" = "${choice#*=}" ] || fail "cmd.exe's words left '$left' of the choice ${choice%%=*}"
done
[ ! -e "$drive_c/injected.txt" ] || fail "a choice's text ran as a command"
wine reg delete "$desktop_key" /v SCRNSAVE.EXE /f >/dev/null 2>&1
rm "$drive_c/clear-choice.txt"
pass "the uninstaller has Explorer clear the desktop user's choice when it names our .scr, and only then"
rmdir "$program_files/Savers"

# --- a signed release ----------------------------------------------------------------
# Its uninstaller is signed as makensis writes it into setup (once, in the
# 32-bit prefix).
if [ -n "${AMBER_SIGNED:-}" ] && [ "$system_folder" = system32 ]; then
    wine "$AMBER_WIN32_BUILD/signed/amber-bell-setup.exe" /S || fail "the signed setup ended with $?"
    osslsigncode verify -CAfile "$AMBER_SIGNED" -in "$installed/uninstall.exe" 2>&1 |
        grep -q '^Signature verification: ok' || fail "the installed uninstaller is not signed"
    wine "$installed/uninstall.exe" /S
    poll eval '[ ! -e "$installed" ]' || fail "the signed uninstaller left $installed"
    wineserver -w
    pass "the signed setup installs a signed uninstaller"
fi
