# build-libraries builds nothing from a source that is not the pinned one: a
# .dsc other than the pinned one, a tarball other than its .dsc lists, or a
# library the pins do not name. Each case is a made-up native source package.
#   windows_source_pins.sh BUILD_LIBRARIES
set -u
build_libraries=$1
command -v dpkg-source >/dev/null || { echo "SKIP: dpkg-source is not installed (package dpkg-dev)"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# expect CASE MESSAGE CHANGE: a zlib source and its pin as apt-get leaves
# them, changed by CHANGE, make the build fail with MESSAGE and no DLL.
expect() {
    local dir=$work/$1 change=$3
    mkdir -p "$dir/zlib-1.0/debian/source" && echo '3.0 (native)' >"$dir/zlib-1.0/debian/source/format"
    (cd "$dir" && tar -cJf zlib_1.0.tar.xz zlib-1.0 && rm -r zlib-1.0 &&
        set -- "$(stat -c %s zlib_1.0.tar.xz)" zlib_1.0.tar.xz &&
        printf 'Format: 3.0 (native)\nSource: zlib\nVersion: 1.0\nChecksums-Sha256:\n %s %s %s\nFiles:\n %s %s %s\n' \
            "$(sha256sum <"$2" | cut -d' ' -f1)" "$1" "$2" "$(md5sum <"$2" | cut -d' ' -f1)" "$1" "$2" >zlib_1.0.dsc &&
        printf 'zlib 1.0 %s\nlibpng1.6 1.0 0\nlibsdl1.2 1.0 0\n' "$(sha256sum <zlib_1.0.dsc | cut -d' ' -f1)" >pinned-sources &&
        eval "$change")
    if out=$(bash "$build_libraries" "$dir" "$dir/out" 2>&1 >/dev/null); then
        echo "FAIL: $1: the build went through"; status=1
    elif ! grep -qF -- "$2" <<<"$out" || compgen -G "$dir/out/bin/*.dll" >/dev/null; then
        echo "FAIL: $1: $out"; status=1
    else
        echo "PASS: $1 is refused"
    fi
}
expect "another .dsc" "refusing $work/another .dsc/zlib_1.0.dsc" 'echo "Extra: 1" >>zlib_1.0.dsc'
# One byte changed, whatever it was (writing a fixed byte left the file as it
# was whenever the byte was already that one).
expect "another tarball" "zlib_1.0.tar.xz has checksum" \
    'byte=$(od -An -tu1 -j100 -N1 zlib_1.0.tar.xz); printf "\\$(printf %o $(((byte + 1) % 256)))" |
        dd of=zlib_1.0.tar.xz bs=1 seek=100 conv=notrunc status=none'
expect "an unpinned library" "pinned-sources names no libsdl1.2" "sed -i '/^libsdl1.2/d' pinned-sources"
exit $status
