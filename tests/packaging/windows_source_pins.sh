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

# make_sources FOLDER: a zlib source package and its pin, as apt-get leaves them.
make_sources() {
    mkdir -p "$1/zlib-1.0/debian/source"
    echo '3.0 (native)' >"$1/zlib-1.0/debian/source/format"
    tar -C "$1" -cJf "$1/zlib_1.0.tar.xz" zlib-1.0
    rm -r "$1/zlib-1.0"
    local sum size
    sum=$(sha256sum <"$1/zlib_1.0.tar.xz" | cut -d' ' -f1)
    size=$(stat -c %s "$1/zlib_1.0.tar.xz")
    printf 'Format: 3.0 (native)\nSource: zlib\nVersion: 1.0\nChecksums-Sha256:\n %s %s zlib_1.0.tar.xz\nFiles:\n %s %s zlib_1.0.tar.xz\n' \
        "$sum" "$size" "$(md5sum <"$1/zlib_1.0.tar.xz" | cut -d' ' -f1)" "$size" >"$1/zlib_1.0.dsc"
    printf '# package version sha256\nzlib 1.0 %s\nlibpng1.6 1.0 0\nlibsdl1.2 1.0 0\n' \
        "$(sha256sum <"$1/zlib_1.0.dsc" | cut -d' ' -f1)" >"$1/pinned-sources"
}

# expect CASE MESSAGE CHANGE: after CHANGE to fresh sources, the build fails
# with MESSAGE on stderr and leaves no DLL.
expect() {
    local folder=$work/$1
    make_sources "$folder"
    (cd "$folder" && eval "$3")
    if out=$(bash "$build_libraries" "$folder" "$folder/out" 2>&1 >/dev/null); then
        echo "FAIL: $1: the build went through"; status=1
    elif ! grep -qF -- "$2" <<<"$out" || compgen -G "$folder/out/bin/*.dll" >/dev/null; then
        echo "FAIL: $1: $out"; status=1
    else
        echo "PASS: $1 is refused"
    fi
}
expect "another .dsc" "refusing $work/another .dsc/zlib_1.0.dsc" 'echo "Extra: 1" >>zlib_1.0.dsc'
expect "another tarball" "zlib_1.0.tar.xz has checksum" 'printf x | dd of=zlib_1.0.tar.xz bs=1 seek=100 conv=notrunc status=none'
expect "an unpinned library" "pinned-sources names no libsdl1.2" "sed -i '/^libsdl1.2/d' pinned-sources"
exit $status
