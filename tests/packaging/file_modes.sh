# Only scripts are executable: a tracked file with the executable mode starts
# with "#!", in the index and in the release archive made from the work tree.
#   file_modes.sh SOURCE_DIR
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
source=$1
git -C "$source" rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIP: not a git checkout"; exit 77; }
not_scripts() {  # folder, then the executable files' paths on stdin
    while read -r path; do
        [ "$(head -c 2 "$1/$path")" = "#!" ] || echo "$path"
    done
}
tracked=$(git -C "$source" ls-files -s | awk '$1 == "100755" { print $4 }')
[ -n "$tracked" ] || fail "no executable file at all: the scripts lost their mode"
bad=$(not_scripts "$source" <<<"$tracked")
[ -z "$bad" ] || fail "tracked as executable but not a script: $(echo $bad)"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
archive=$("$source/scripts/release-archive" --work-tree --out "$work") || fail "the release archive"
tar -xJf "$archive" -C "$work" || fail "the archive does not unpack"
top=$(basename "$archive" .tar.xz)
executables=$(cd "$work/$top" && find . -type f -perm -u+x | sed 's|^\./||')
[ -n "$executables" ] || fail "no executable file in the archive"
bad=$(not_scripts "$work/$top" <<<"$executables")
[ -z "$bad" ] || fail "executable in the archive but not a script: $(echo $bad)"
echo "PASS: $(wc -l <<<"$tracked") executable files, all scripts, in the index and the archive"
