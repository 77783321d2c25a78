# A drawing step of the build, run again where Mesa would choose another
# driver (softpipe, standing in for a GPU: it rasterises differently), gives
# the same bytes as the build's: the step asks for the software rasteriser
# itself. OPTION names an output folder or file of COMMAND, BUILT the build's;
# every file the step makes again must equal the build's.
#   same_drawing.sh OPTION=BUILT... -- COMMAND...
set -u
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
outputs=()
while [ "$1" != -- ]; do outputs+=("${1%%=*}" "${1#*=}"); shift; done
command=("${@:2}")
for ((i = 0; i < ${#outputs[@]}; i += 2)); do
    mkdir "$work/$i"
    [ -d "${outputs[i + 1]}" ] && command+=("${outputs[i]}" "$work/$i") || command+=("${outputs[i]}" "$work/$i/${outputs[i + 1]##*/}")
done
env -u LIBGL_ALWAYS_SOFTWARE GALLIUM_DRIVER=softpipe "${command[@]}" >/dev/null || { echo "FAIL: ${command[*]}"; exit 1; }
for ((i = 0; i < ${#outputs[@]}; i += 2)); do
    built=${outputs[i + 1]}
    [ -d "$built" ] || built=${built%/*}
    [ -n "$(ls -A "$work/$i")" ] || { echo "FAIL: nothing made for ${outputs[i]}"; exit 1; }
    (cd "$work/$i" && find . -type f) | while read -r file; do
        cmp -s "$work/$i/$file" "$built/$file" || { echo "FAIL: ${file#./} differs from the build's $built"; exit 1; }
    done || exit 1
done
