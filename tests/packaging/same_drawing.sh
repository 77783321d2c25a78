# A drawing step of the build, run again where Mesa would choose another
# driver (softpipe, standing in for a GPU: it rasterises differently), gives
# the same bytes as the build's: the step asks for the software rasteriser
# itself.
#   same_drawing.sh --OPTION=BUILT... -- COMMAND...
# Each --OPTION names an output of COMMAND and BUILT the build's copy, a file
# or a folder; every file the command makes again must equal the build's.
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
outputs=()
while [ "$1" != -- ]; do outputs+=("$1"); shift; done
shift
command=("$@")
for index in "${!outputs[@]}"; do
    option=${outputs[$index]%%=*} built=${outputs[$index]#*=}
    mkdir "$work/$index"
    target=$work/$index
    [ -d "$built" ] || target=$work/$index/$(basename "$built")
    command+=("$option" "$target")
done
env -u LIBGL_ALWAYS_SOFTWARE GALLIUM_DRIVER=softpipe "${command[@]}" >/dev/null || fail "the step failed: ${command[*]}"
for index in "${!outputs[@]}"; do
    built=${outputs[$index]#*=}
    [ -d "$built" ] || built=$(dirname "$built")
    made=$(cd "$work/$index" && find . -type f | sort)
    [ -n "$made" ] || fail "nothing made for ${outputs[$index]}"
    while read -r file; do
        cmp -s "$work/$index/$file" "$built/$file" || fail "${file#./} differs from the build's $built"
    done <<<"$made"
done
