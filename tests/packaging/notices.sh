# The notices name exactly the Wayland protocol descriptions whose generated
# code the build compiles in: each has its heading in the protocol section of
# THIRD-PARTY-NOTICES.txt and of the Linux programs' notices, no other heading
# is there, and debian/copyright names each. The Linux notices hold nothing of
# the Windows build.
#   notices.sh SOURCE_DIR LINUX_NOTICES PROTOCOL...
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
source=$1 linux=$2
shift 2
[ $# -gt 0 ] || fail "no compiled protocol given"
compiled=$(printf '%s\n' "$@" | sort)
# The headings ("name:" or "name (where from):") of the section whose title is
# the protocols', up to the next section.
headings() {
    awk '/^=+$/ && length($0) == 78 { rule++; next }
         rule % 2 == 1 { inside = ($0 == "Wayland protocol descriptions (amber-bell-idle)"); next }
         inside && /^[a-z0-9-]+( \(.*\))?:$/ { sub(/[ :].*/, ""); print }' "$1" | sort
}
for notices in "$source/THIRD-PARTY-NOTICES.txt" "$linux"; do
    found=$(headings "$notices")
    [ "$found" = "$compiled" ] ||
        fail "$(basename "$notices") names the protocols $(echo $found), the build compiles $(echo $compiled)"
done
for protocol in "$@"; do
    grep -q "$protocol" "$source/debian/copyright" || fail "debian/copyright does not name $protocol"
done
windows=$(grep -n -w -E 'mingw-w64|NSIS|winpthreads|[A-Za-z0-9]+\.(dll|exe)' "$linux" | head -n 1)
[ -z "$windows" ] || fail "the Linux notices speak of the Windows build: $windows"
echo "PASS: the notices name the $# compiled protocols, and the Linux notices only the Linux build"
