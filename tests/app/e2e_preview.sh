# "/p ID" makes a child window filling the host's window ID and shows
# preview.ppk in it pixel for pixel when the area is 152 pixels wide, scaled
# when it is wider, black when it is narrower; it ends
# with exit code 0 when the host window is destroyed, and at once when there is
# no such window.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

install="$work/install"
mkdir -p "$install"
set_install_dir "$install/"

# write_bitmap FILE WIDTH HEIGHT: a 24-bit bottom-up bitmap whose pixel (x, y)
# is red x*7, green y*13, blue x+y (each mod 256), except (0, 0), stored as
# the bytes 10 20 30 (blue, green, red).
write_bitmap() {
    local file=$1 width=$2 height=$3 row_bytes pad x y r g b line pixel
    row_bytes=$(( (width * 3 + 3) / 4 * 4 ))
    pad=$(( row_bytes - width * 3 ))
    {
        printf 'BM'
        printf "$(le32 $((54 + row_bytes * height)))$(le32 0)$(le32 54)"
        printf "$(le32 40)$(le32 "$width")$(le32 "$height")"
        printf '\x01\x00\x18\x00'
        printf "$(le32 0)$(le32 $((row_bytes * height)))$(le32 2835)$(le32 2835)$(le32 0)$(le32 0)"
        for ((y = height - 1; y >= 0; y--)); do
            line=""
            for ((x = 0; x < width; x++)); do
                if ((x == 0 && y == 0)); then
                    line+='\x10\x20\x30'
                    continue
                fi
                r=$(( x * 7 & 255 )); g=$(( y * 13 & 255 )); b=$(( (x + y) & 255 ))
                printf -v pixel '\\x%02x\\x%02x\\x%02x' "$b" "$g" "$r"
                line+=$pixel
            done
            for ((x = 0; x < pad; x++)); do line+='\x00'; done
            printf "$line"
        done
    } > "$file"
}

# start_parent WIDTH HEIGHT: a host window; sets parent_id and helper_pid.
start_parent() {
    rm -f "$work/to_parent" "$work/parent_out"
    mkfifo "$work/to_parent"
    "$AMBER_TEST_WINDOW" "$1" "$2" < "$work/to_parent" > "$work/parent_out" &
    helper_pid=$!
    exec 7> "$work/to_parent"
    poll eval 'parent_id=$(head -n 1 "$work/parent_out" 2>/dev/null); [ -n "$parent_id" ]' ||
        fail "the host window did not appear"
}

destroy_parent() { echo destroy >&7; }

stop_parent() {
    exec 7>&-
    wait "$helper_pid" 2>/dev/null
}

# child_of ID: the id of the first child window of ID, or nothing.
child_of() {
    xwininfo -children -id "$1" 2>/dev/null |
        awk '/child(ren)?:$/ {found = 1; next} found && $1 ~ /^0x/ {print $1; exit}'
}

window_size() { xwininfo -id "$1" | awk '/Width:/{w=$2} /Height:/{h=$2} END{print w "x" h}'; }

# pixel FILE X Y: the colour at (X, Y) as #RRGGBB.
pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | tail -n 1 | grep -o '#[0-9A-Fa-f]\{6\}'
}

capture() { import -window "$1" "png:$2" 2>/dev/null; }

# start_preview: runs "/p parent_id"; sets preview_pid and child_id once the
# child window exists.
start_preview() {
    "$saver" /p "$parent_id" & preview_pid=$!
    poll eval 'child_id=$(child_of "$parent_id"); [ -n "$child_id" ] || ! kill -0 "$preview_pid" 2>/dev/null'
    [ -n "$child_id" ] && return 0
    kill -0 "$preview_pid" 2>/dev/null || fail "the preview ended before making its window"
    fail "no child window appeared in the host window"
}

# wait_for_pixel X Y COLOUR: captures the child until (X, Y) shows COLOUR.
wait_for_pixel() {
    local x=$1 y=$2 colour=$3
    poll eval 'capture "$child_id" "$work/shot.png" && [ "$(pixel "$work/shot.png" "$x" "$y")" = "$colour" ]' &&
        return 0
    fail "pixel $1,$2 is $(pixel "$work/shot.png" "$1" "$2"), expected $3"
}

end_preview_by_destroying_parent() {
    destroy_parent
    wait_exit "$preview_pid"
    [ "$exit_code" = 0 ] || fail "the preview ended with '$exit_code' after its host window was destroyed"
    stop_parent
}

write_bitmap "$install/preview.ppk" 152 100

# A 152-wide area shows the picture pixel for pixel; below it the background.
start_parent 152 120
start_preview
[ "$(window_size "$child_id")" = 152x120 ] || fail "child is $(window_size "$child_id"), expected 152x120"
wait_for_pixel 0 0 '#302010'
convert "$work/shot.png" -crop 152x100+0+0 +repage "$work/shown.png"
differing=$(compare_metric AE "bmp:$install/preview.ppk" "$work/shown.png")
[ "$differing" = 0 ] || fail "$differing pixels of the picture differ from the file"
[ "$(pixel "$work/shot.png" 75 110)" = '#C8C8C8' ] || fail "the area below the picture is $(pixel "$work/shot.png" 75 110)"
pass "a 152-wide area shows the picture, 10 20 30 as red 30 green 20 blue 10"

# An exposure repaints it.
xdotool windowunmap --sync "$child_id" windowmap --sync "$child_id"
wait_for_pixel 151 99 "$(pixel "$work/shown.png" 151 99)"
convert "$work/shot.png" -crop 152x100+0+0 +repage "$work/shown-again.png"
[ "$(compare_metric AE "bmp:$install/preview.ppk" "$work/shown-again.png")" = 0 ] ||
    fail "the picture was not repainted whole"
pass "an exposed preview is painted again"

end_preview_by_destroying_parent
pass "destroying the host window ends the preview with exit code 0"

# A narrower area is black all over, whatever the picture.
start_parent 151 120
start_preview
[ "$(window_size "$child_id")" = 151x120 ] || fail "child is $(window_size "$child_id"), expected 151x120"
wait_for_pixel 0 0 '#000000'
[ "$(convert "$work/shot.png" -format %k info:)" = 1 ] || fail "a 151-wide area is not black all over"
end_preview_by_destroying_parent
pass "a 151-wide area is black all over"

# A wider one (a scaled screen's) shows the picture scaled smoothly to fill it:
# here twice its size, as ImageMagick's bilinear filter makes it.
start_parent 304 200
start_preview
convert "bmp:$install/preview.ppk" -filter Triangle -resize '304x200!' "$work/scaled.png"
scaled_shown() {
    capture "$child_id" "$work/shot.png" || return 1
    psnr=$(compare_metric PSNR "$work/scaled.png" "$work/shot.png")
    awk -v p="$psnr" 'BEGIN { exit !(p == "inf" || p + 0 >= 40) }'
}
poll scaled_shown || fail "the 304-wide area is not the picture scaled twice (PSNR $psnr dB)"
end_preview_by_destroying_parent
pass "a 304-wide area shows the picture scaled smoothly to fill it"

# A missing picture paints black too.
rm "$install/preview.ppk"
start_parent 152 120
start_preview
wait_for_pixel 0 0 '#000000'
[ "$(convert "$work/shot.png" -format %k info:)" = 1 ] || fail "a missing picture is not black all over"
end_preview_by_destroying_parent
pass "a missing picture paints black"

# No usable window: exit code 0 at once.
for args in "/p 1234567" "/p 2147483647" "/p -5" "/p 0" "/p" "/P x"; do
    $saver $args & pid=$!
    wait_exit "$pid"
    [ "$exit_code" = 0 ] || fail "'$args' ended with '$exit_code'"
done
env -u DISPLAY "$saver" /p 1234 & pid=$!
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "/p without a display ended with '$exit_code'"
pass "an unknown window, no number or no display end with exit code 0"
