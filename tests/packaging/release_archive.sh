# The release archive of the work tree comes out the same bytes twice, with a
# SHA256SUMS that checks it, holds the source under amber-bell-<version>/
# without debian/, only scripts executable in it and in the index, and makes
# no change to the repository; a clone without tags makes the release's
# archive from the commit that set the version.
#   release_archive.sh SOURCE_DIR
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
source=$1
git -C "$source" rev-parse --git-dir >/dev/null 2>&1 || { echo "SKIP: not a git checkout"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status_before=$(git -C "$source" status --porcelain)
"$source/scripts/release-archive" --work-tree --out "$work/one" >/dev/null || fail "the first archive"
"$source/scripts/release-archive" --work-tree --out "$work/two" >/dev/null || fail "the second archive"
archive=$(cd "$work/one" && ls amber-bell-*.tar.xz)
cmp "$work/one/$archive" "$work/two/$archive" || fail "two archives of the same tree differ"
(cd "$work/one" && sha256sum --quiet -c SHA256SUMS) || fail "SHA256SUMS does not check the archive"
tar -tJf "$work/one/$archive" >"$work/list" || fail "the archive does not read"
top=${archive%.tar.xz}
grep -qx "$top/CMakeLists.txt" "$work/list" || fail "no $top/CMakeLists.txt in the archive"
! grep -q "^$top/debian/" "$work/list" || fail "the archive holds debian/"
! grep -qv "^$top/" "$work/list" || fail "a file outside $top/: $(grep -v "^$top/" "$work/list" | head -n 1)"
[ "$(git -C "$source" status --porcelain)" = "$status_before" ] || fail "making the archive changed the checkout"
# Only scripts are executable, in the index and in the archive.
tar -xJf "$work/one/$archive" -C "$work" || fail "the archive does not unpack"
for folder in "$source" "$work/$top"; do
    if [ "$folder" = "$source" ]; then list=$(git -C "$source" ls-files -s | awk '$1 == "100755" { print $4 }')
    else list=$(cd "$folder" && find . -type f -perm -u+x); fi
    [ -n "$list" ] || fail "no executable file in $folder"
    while read -r path; do
        [ "$(head -c 2 "$folder/$path")" = "#!" ] || fail "executable but not a script: $folder/$path"
    done <<<"$list"
done
# A clone without tags makes the release's archive from the commit that set
# the version: the same tree as that commit's.
git -c advice.detachedHead=false clone -q "$source" "$work/clone" && git -C "$work/clone" tag -l | xargs -r git -C "$work/clone" tag -d >/dev/null ||
    fail "cloning the repository"
released=$("$work/clone/scripts/release-archive" --out "$work/release") || fail "the release archive of a clone without tags"
version=$(sed -n 's/^project(AmberBell VERSION \([0-9.]*\) .*/\1/p' "$work/clone/CMakeLists.txt")
setter=$(git -C "$work/clone" log -1 --format=%H -S"project(AmberBell VERSION $version " -- CMakeLists.txt)
git -C "$work/clone" archive --format=tar --prefix="amber-bell-$version/" "$setter" | tar -t | sort >"$work/expected"
tar -tJf "$released" | sort | diff -q - "$work/expected" >/dev/null ||
    fail "the archive of a clone without tags is not the tree of $setter"
echo "PASS: $archive, the same twice, checked by SHA256SUMS, only scripts executable"
