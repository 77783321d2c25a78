# What the Windows files are made of, read with objdump (run by
# scripts/test-windows before Wine starts): every program and DLL installed
# and setup's helpers can be moved by ASLR (DYNAMIC_BASE with a .reloc
# section), and they and setup keep data from running (NX_COMPAT); ours and
# the DLLs carry stack canaries and no debug sections. (Debian's NSIS builds
# setup's stub without relocations: see docs/windows.md.) With AMBER_SIGNED set (a
# certificate), the signed copies of scripts/build-windows --sign verify
# against it.
#   AMBER_WIN32_BUILD  the Windows build folder (build-win32)
set -u
AMBER_SAVER_DIR=$AMBER_WIN32_BUILD/saver
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"
objdump=i686-w64-mingw32-objdump
saver=$AMBER_SAVER_DIR
mapfile -t dlls <"$AMBER_WIN32_BUILD/program-dlls.txt"
ours=("$saver/amber-bell.scr" "$saver/Amber Bell.exe" "$saver/config.exe" "$AMBER_WIN32_BUILD"/installer/*.exe)
libraries=("${dlls[@]/#/$saver/}")

for file in "${ours[@]}" "${libraries[@]}" "$AMBER_WIN32_BUILD/amber-bell-setup.exe"; do
    name=${file#"$AMBER_WIN32_BUILD"/}
    flags=$($objdump -p "$file" | sed -n 's/^DllCharacteristics[[:space:]]*//p')
    (( 0x$flags & 0x40 )) || fail "$name: no DYNAMIC_BASE ($flags)"
    (( 0x$flags & 0x100 )) || fail "$name: no NX_COMPAT ($flags)"
    [ "$name" != amber-bell-setup.exe ] || continue
    sections=$($objdump -h "$file" | awk '$1 ~ /^[0-9]+$/ { print $2 }')
    grep -qx .reloc <<<"$sections" || fail "$name: no .reloc section, so ASLR cannot move it"
done
pass "every program and DLL is movable by ASLR; they and setup have NX_COMPAT"

for file in "${ours[@]}" "${libraries[@]}"; do
    name=${file#"$AMBER_WIN32_BUILD"/}
    # libssp's message is linked in with its __stack_chk_fail.
    grep -qaF 'stack smashing detected' "$file" || fail "$name: no stack protector"
    debug=$($objdump -h "$file" | awk '$2 ~ /^\.debug/ { print $2 }')
    [ -z "$debug" ] || fail "$name: debug sections left: $debug"
done
pass "our programs and the DLLs have stack canaries and no debug sections"

if [ -n "${AMBER_SIGNED:-}" ]; then
    signed=$AMBER_WIN32_BUILD/signed
    files=("$signed"/saver/*.scr "$signed"/saver/*.exe "$signed"/saver/*.dll "$signed"/installer/*.exe
           "$signed/amber-bell-setup.exe")
    [ "${#files[@]}" -gt 5 ] || fail "too few signed files: ${files[*]}"
    for file in "${files[@]}"; do
        osslsigncode verify -CAfile "$AMBER_SIGNED" -in "$file" 2>&1 | grep -q '^Signature verification: ok' ||
            fail "${file#"$signed"/} does not verify: $(osslsigncode verify -CAfile "$AMBER_SIGNED" -in "$file" 2>&1 | tail -n 3)"
    done
    for file in "$saver"/*.scr "$AMBER_WIN32_BUILD/amber-bell-setup.exe"; do
        osslsigncode verify -in "$file" >/dev/null 2>&1 && fail "the unsigned build's ${file##*/} has a signature"
    done
    pass "scripts/build-windows --sign signs every program, DLL and setup; the build itself stays unsigned"
fi
