# The release archive of the work tree comes out the same bytes twice, with a
# SHA256SUMS that checks it, holds the source under amber-bell-<version>/
# without debian/, and makes no change to the repository.
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
echo "PASS: $archive, the same twice, checked by SHA256SUMS"
