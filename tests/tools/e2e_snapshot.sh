# amber-snapshot from the command line: pictures of the asked size, frame
# sequences, the preview bitmap, and clear refusals.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

snap="$AMBER_BUILD_DIR/amber-snapshot"
[ -x "$snap" ] || fail "no $snap"

"$snap" -o "$work/show.png" -W 200 -H 150 --at 300 --step 50 --clock analog --calendar russian \
    --fps on --time "2026-03-08 09:15:00" || fail "snapshot failed"
[ "$(identify -format '%m %w %h' "$work/show.png")" = "PNG 200 150" ] || fail "wrong picture"
pass "a picture of the asked size, reading the packages next to the program"

"$snap" -o "$work/seq/f.png" -W 64 -H 48 --at 200 --step 40 --every 100 2>"$work/err" &&
    fail "wrote into a missing folder"
grep -q "cannot write" "$work/err" || fail "no message for an unwritable path"
mkdir -p "$work/seq"
"$snap" -o "$work/seq/f.png" -W 64 -H 48 --at 200 --step 40 --every 100 || fail "sequence failed"
[ -f "$work/seq/f_00120.png" ] && [ -f "$work/seq/f_00200.png" ] && [ -f "$work/seq/f.png" ] ||
    fail "sequence frames missing: $(ls "$work/seq")"
pass "frame sequences are numbered by show time"

"$snap" --preview "$work/p.ppk" --at 200 --step 50 || fail "preview failed"
[ "$(identify -format '%m %w %h' "$work/p.ppk")" = "BMP3 152 112" ] || fail "wrong preview"
pass "the preview bitmap is 152 x 112"

"$snap" -o "$work/x.png" --time "half past nine" 2>"$work/err"; code=$?
[ "$code" -eq 2 ] && grep -q "cannot read the time" "$work/err" || fail "bad time: code $code"
"$snap" -o "$work/x.png" --saver-dir "$work/empty" 2>"$work/err"; code=$?
[ "$code" -eq 1 ] && grep -q "no main.pak" "$work/err" || fail "missing packages: code $code"
"$snap" 2>"$work/err"; code=$?
[ "$code" -eq 2 ] && grep -q "nothing to write" "$work/err" || fail "no output asked: code $code"
pass "bad input is refused with one clear line"
