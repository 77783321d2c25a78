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
ours=("$saver/amber-bell.scr" "$saver/Amber Bell.exe" "$saver/config.exe" "$AMBER_WIN32_BUILD"/installer/*.exe
      "${dlls[@]/#/$saver/}")

setup=$AMBER_WIN32_BUILD/amber-bell-setup.exe
for file in "${ours[@]}" "$setup"; do
    name=${file#"$AMBER_WIN32_BUILD"/}
    flags=$($objdump -p "$file" | sed -n 's/^DllCharacteristics[[:space:]]*//p')
    (( 0x$flags & 0x40 && 0x$flags & 0x100 )) || fail "$name: not both DYNAMIC_BASE and NX_COMPAT ($flags)"
    [ "$file" != "$setup" ] || continue
    sections=$($objdump -h "$file" | awk '$1 ~ /^[0-9]+$/ { print $2 }')
    grep -qx .reloc <<<"$sections" || fail "$name: no .reloc section, so ASLR cannot move it"
    ! grep -q '^\.debug' <<<"$sections" || fail "$name: debug sections left"
    # libssp's message comes with its __stack_chk_fail.
    grep -qaF 'stack smashing detected' "$file" || fail "$name: no stack protector"
done
pass "every program and DLL is movable by ASLR, has stack canaries and no debug sections; all and setup have NX_COMPAT"

if [ -n "${AMBER_SIGNED:-}" ]; then
    signed=$AMBER_WIN32_BUILD/signed
    for file in "$signed"/saver/*.{scr,exe,dll} "$signed"/installer/*.exe "$signed/amber-bell-setup.exe"; do
        osslsigncode verify -CAfile "$AMBER_SIGNED" -in "$file" 2>&1 | grep -q '^Signature verification: ok' ||
            fail "${file#"$signed"/} does not verify against the test certificate"
    done
    for file in "$saver"/*.scr "$setup"; do
        osslsigncode verify -in "$file" >/dev/null 2>&1 && fail "the unsigned build's ${file##*/} has a signature"
    done
    pass "scripts/build-windows --sign signs every program, DLL and setup; the build itself stays unsigned"
fi
