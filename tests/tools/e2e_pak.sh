# The pak tool end to end: create a package from files, list it, extract from
# it and check it; check fails on a model whose texture is missing, on a
# damaged model and on an unusable generated-texture name. Import: a model
# from an OBJ takes the heart's place and the show draws it; the heart comes
# back from export and import unchanged; bad files change nothing.
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

pak="${AMBER_PAK:-$AMBER_SAVER_DIR/../tools/pak/pak}"
[ -x "$pak" ] || fail "pak not built at $pak"
cd "$work"

# model_record NAME TRIANGLES: one sub-mesh record with zero material and
# zero geometry.
model_record() {
    local name=$1 triangles=$2
    printf "$(le32 $(( ${#name} + 1 )))%s\\x00" "$name"
    head -c 140 /dev/zero                      # skipped block and material
    printf "$(le32 "$triangles")\\x00"          # count and selector
    head -c $(( 192 * triangles )) /dev/zero
}
# model_entry NAME...: marker 0, the count, one single-triangle record per name.
model_entry() {
    printf "\\x00$(le32 $#)"
    for name in "$@"; do model_record "$name" 1; done
}

convert -size 4x4 'xc:rgba(255,0,0,0.5)' PNG32:skin.png || fail "convert failed"
convert -size 8x2 xc:navy fon.bmp || fail "convert failed"
model_entry skin.png 'x#Plasma16x16:1:2:3' > heart.model

# create
"$pak" create main.pak serdce=heart.model skin.png=skin.png fon=fon.bmp > create.out \
    || fail "create failed"
grep -q "main.pak: 3 entries" create.out || fail "create said: $(cat create.out)"
pass "create writes a package from NAME=PATH arguments"

# list
"$pak" list main.pak > list.out || fail "list failed"
model_size=$(stat -c %s heart.model)
grep -qF "$(printf '"serdce"\t%s\tmodel: 2 sub-meshes, 2 triangles, textures "skin.png", "x#Plasma16x16:1:2:3"' "$model_size")" list.out \
    || fail "list shows the model as: $(grep serdce list.out)"
grep -qF "$(printf '"skin.png"\t%s\timage: 4 x 4' "$(stat -c %s skin.png)")" list.out \
    || fail "list shows the image as: $(grep skin list.out)"
grep -qF '"fon"' list.out && grep -q 'image: 8 x 2' list.out || fail "list: $(cat list.out)"
[ "$(wc -l < list.out)" = 3 ] || fail "list printed $(wc -l < list.out) lines"
pass "list names each entry with its size and kind"

# extract
"$pak" extract main.pak skin.png copy.png || fail "extract failed"
cmp -s skin.png copy.png || fail "extracted bytes differ"
mkdir sub && (cd sub && "$pak" extract ../main.pak serdce) || fail "extract to default name failed"
cmp -s heart.model sub/serdce || fail "default extract differs"
"$pak" extract main.pak fon - | cmp -s fon.bmp - || fail "extract to stdout differs"
if "$pak" extract main.pak Fon nothing 2> extract.err; then fail "extract of a missing entry succeeded"; fi
grep -q 'no entry "Fon"' extract.err || fail "extract said: $(cat extract.err)"
pass "extract writes exactly the entry's bytes, and refuses a missing entry"

# export
mkdir out
"$pak" export main.pak serdce out/heart.obj > export.out || fail "export failed"
[ "$(grep -c '^f ' out/heart.obj)" = 2 ] && [ "$(grep -c '^v ' out/heart.obj)" = 6 ] ||
    fail "export wrote: $(cat out/heart.obj)"
grep -qx 'map_Kd heart_skin.png' out/heart.mtl || fail "no texture in the materials: $(cat out/heart.mtl)"
cmp -s skin.png out/heart_skin.png || fail "the texture file is not the image entry"
if "$pak" export main.pak fon out/fon.obj 2> export.err; then fail "export of an image succeeded"; fi
grep -q 'main.pak: entry "fon": not a model' export.err || fail "export said: $(cat export.err)"
# The show's own heart: one face per triangle that list counts.
heart_triangles=$("$pak" list "$AMBER_SAVER_DIR/main.pak" | sed -n 's/^"serdce".*, \([0-9]*\) triangles.*/\1/p')
"$pak" export "$AMBER_SAVER_DIR/main.pak" serdce out/serdce.obj > /dev/null || fail "export of the heart failed"
[ "$(grep -c '^f ' out/serdce.obj)" = "$heart_triangles" ] || fail "the heart's OBJ has $(grep -c '^f ' out/serdce.obj) faces, not $heart_triangles"
pass "export writes a model entry as OBJ, its materials and its textures, and refuses an image"

# check, sound package
"$pak" check main.pak > check.out || fail "check failed on a sound package: $(cat check.out)"
grep -q "3 entries (1 models, 2 images), all sound" check.out || fail "check said: $(cat check.out)"
pass "check passes a sound package"

# check, model whose texture is missing
"$pak" create broken.pak serdce=heart.model fon=fon.bmp > /dev/null || fail "create failed"
if "$pak" check broken.pak 2> check.err; then fail "check passed a model whose texture is missing"; fi
grep -q 'broken.pak: entry "serdce": texture "skin.png" is missing from the package' check.err \
    || fail "check said: $(cat check.err)"
pass "check fails on a model whose texture is missing"

# check, texture that is not an image
"$pak" create notimage.pak serdce=heart.model skin.png=heart.model > /dev/null || fail "create failed"
if "$pak" check notimage.pak 2> check.err; then fail "check passed a texture that is no image"; fi
grep -q 'texture "skin.png" is not an image' check.err || fail "check said: $(cat check.err)"
pass "check fails on a texture that does not decode"

# check, damaged model and unusable generated texture
head -c $(( model_size - 1 )) heart.model > cut.model
model_entry 'x#Smoke16x16' > smoke.model
"$pak" create damaged.pak serdce=cut.model smoke=smoke.model skin.png=skin.png > /dev/null || fail "create failed"
if "$pak" check damaged.pak 2> check.err; then fail "check passed a damaged package"; fi
grep -q 'entry "serdce": neither an image nor a sound model (sub-mesh 1: ' check.err \
    || fail "check said: $(cat check.err)"
grep -q 'entry "smoke": generated texture "x#Smoke16x16" cannot be made' check.err \
    || fail "check said: $(cat check.err)"
pass "check fails on a damaged model and an unusable generated texture"

# damaged and missing packages
head -c 30 main.pak > cut.pak
if "$pak" list cut.pak 2> list.err; then fail "list accepted a truncated package"; fi
grep -q 'cut.pak: entry 0 "serdce"' list.err || fail "list said: $(cat list.err)"
if "$pak" check missing.pak 2> check.err; then fail "check accepted a missing file"; fi
grep -q 'cannot open missing.pak' check.err || fail "check said: $(cat check.err)"
pass "damaged and missing packages are reported"

# create refuses duplicates and bad arguments; hostile names stay inside
if "$pak" create dup.pak a=fon.bmp a=skin.png 2> create.err; then fail "create accepted a duplicate"; fi
grep -q 'entry "a" is given twice' create.err || fail "create said: $(cat create.err)"
if "$pak" create bad.pak noequals 2> /dev/null; then fail "create accepted an argument without ="; fi
"$pak" create evil.pak ../evil=fon.bmp > /dev/null || fail "create failed"
mkdir inner && (cd inner && "$pak" extract ../evil.pak ../evil) || fail "extract of ../evil failed"
[ -e evil ] && fail "extract wrote outside the current directory"
[ -f inner/_.._evil ] || fail "extract used another name: $(ls inner)"
pass "create refuses duplicates; extract keeps hostile names inside the directory"

# import: an OBJ cube in the heart's place
snapshot="$AMBER_SAVER_DIR/../amber-snapshot"
mkdir show && cp "$AMBER_SAVER_DIR"/*.pak show/ || fail "cannot copy the packages"
cp "$AMBER_TEST_SUPPORT/../tools/models/cube.obj" . || fail "no cube.obj"
printf 'newmtl green\nKd 0.1 0.9 0.2\n\nnewmtl lid\nKd 1 1 1\nmap_Kd lid.png\n' > cube.mtl
convert -size 300x200 gradient:yellow-blue lid.png || fail "convert failed"
"$pak" import --fit 21.2 show/main.pak serdce=cube.obj > import.out || fail "import failed"
grep -qF '"serdce": cube.obj: 12 triangles in 2 sub-meshes, radius 1.73205 fitted to 21.2' import.out &&
    grep -qF '"serdce_tex": texture "lid.png", 300 x 200, resized to 256 x 256' import.out &&
    grep -qF 'show/main.pak: 7 entries (2 replaced, 0 added)' import.out || fail "import said: $(cat import.out)"
"$pak" check show/main.pak > /dev/null || fail "check refused the imported model"
"$pak" list show/main.pak | grep -qF 'model: 2 sub-meshes, 12 triangles, textures (none), "serdce_tex"' ||
    fail "list: $("$pak" list show/main.pak)"
pass "import replaces the heart and its texture, resized and reported, and check accepts them"

# The show draws it: green covers the heart's place, where the heart drew none.
for saver in show "$AMBER_SAVER_DIR"; do
    "$snapshot" --saver-dir "$saver" -W 512 -H 384 --at 8000 --clock off --calendar off --fps off \
        -o "$(basename "$saver").png" || fail "snapshot of $saver failed"
done
green() { convert "$1" -fx 'g > r + 0.25 ? 1 : 0' "$2" && convert "$2" -format '%[fx:mean]' info:; }
covered=$(green show.png show-mask.png)
heart_green=$(green saver.png saver-mask.png)
box=$(convert show-mask.png -trim -format '%w %h %X %Y' info:)
read -r w h x y <<< "${box//+/}"
cx=$(( x + w / 2 )) cy=$(( y + h / 2 ))
awk "BEGIN { exit !($covered > 0.05 && $heart_green < 0.001) }" ||
    fail "green covers $covered of the picture with the cube, $heart_green with the heart"
[ $cx -gt 206 ] && [ $cx -lt 306 ] && [ $cy -gt 150 ] && [ $cy -lt 250 ] ||
    fail "the cube is drawn around ($cx, $cy), not where the heart is"
pass "the show draws the imported model in the heart's place"

# The heart through export and import. assimp holds numbers as floats, so
# each comes back within a millionth of its size (plus a millionth).
"$pak" export "$AMBER_SAVER_DIR/main.pak" serdce heart.obj > /dev/null &&
    "$pak" import again.pak serdce=heart.obj > /dev/null &&
    "$pak" export again.pak serdce again.obj > /dev/null || fail "export, import, export failed"
paste -d' ' <(grep -E '^(v|vt|vn) ' heart.obj) <(grep -E '^(v|vt|vn) ' again.obj) | awk '
    { n = NF / 2; if ($1 != $(n + 1)) { print "line " NR ": " $0; bad = 1; exit }
      for (i = 2; i <= n; i++) { d = $i - $(n + i); m = $i < 0 ? -$i : $i; if (d > 1e-6 * (1 + m) || d < -1e-6 * (1 + m)) { print "line " NR ": " $0; bad = 1; exit } } }
    END { if (NR == 0 || bad) exit 1 }' > roundtrip.out || fail "the round trip changed: $(cat roundtrip.out)"
[ "$(grep -c '^f ' again.obj)" = "$heart_triangles" ] || fail "the round trip lost triangles"
pass "positions, normals and texture coordinates survive export and import"

# A heavy model is taken, with a note on what draws fastest.
python3 -c "import sys; sys.stdout.write('v 0 0 0\nv 1 0 0\nv 0 1 0\n' + 'f 1 2 3\n' * 60000)" > heavy.obj
"$pak" import heavy.pak heavy=heavy.obj > heavy.out || fail "import of 60,000 triangles failed"
grep -q '^note: a model of a few thousand triangles draws fastest' heavy.out || fail "import said: $(cat heavy.out)"
grep -q '^note' import.out && fail "the cube got a note: $(cat import.out)"
pass "a heavy model is imported with a note"

# Bad files: one line, exit 1, and the package as it was.
cp show/main.pak before.pak
printf 'glTF\x02\x00\x00\x00\xff\xff\xff\x7f\x10\x00\x00\x00JSON{"asset":' > hostile.glb
printf 'mtllib lost.mtl\nusemtl skin\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n' > lost.obj
printf 'newmtl skin\nmap_Kd nowhere.png\n' > lost.mtl
# 342 polygons of 32767 corners: 11.2 million triangles, beyond an entry's 2 GiB.
python3 -c "import sys; sys.stdout.write('v 0 0 0\nv 1 0 0\nv 0 1 0\n' + ('f' + ' 1 2 3' * 10922 + ' 1\n') * 342)" > millions.obj
for bad in hostile.glb:'cannot import' lost.obj:'texture "nowhere.png" cannot be read' \
           heart.model:'cannot import' millions.obj:'has 11205630 triangles' missing.obj:'No such file'; do
    file=${bad%%:*} expected=${bad#*:}
    if "$pak" import show/main.pak serdce=cube.obj heart2="$file" > /dev/null 2> import.err; then
        fail "import of $file succeeded"
    fi
    [ "$(wc -l < import.err)" = 1 ] && grep -q "^pak: .*$file.*$expected" import.err ||
        fail "import of $file said: $(cat import.err)"
    cmp -s before.pak show/main.pak || fail "a refused import of $file changed the package"
done
pass "bad model files are refused in one line and leave the package as it was"

# Images: a plain PNG of powers of two is kept as it is, others become resized PNGs.
convert -size 64x32 xc:gold png24:gold.png && convert -size 300x300 xc:gold gold.jpg || fail "convert failed"
"$pak" import show/main.pak serdechko_tex=gold.png fon_tex=gold.jpg extra=gold.png > images.out ||
    fail "image import failed"
grep -qF '"serdechko_tex": image gold.png, 64 x 32' images.out &&
    grep -qF '"fon_tex": image gold.jpg, 300 x 300, resized to 256 x 256' images.out &&
    grep -qF '8 entries (2 replaced, 1 added)' images.out ||
    fail "image import said: $(cat images.out)"
"$pak" extract show/main.pak serdechko_tex kept.png && cmp -s gold.png kept.png || fail "the PNG was not kept as it is"
# PNGs that decoders read differently (a palette with a transparent index, a
# colour key, 16 bits) become plain 8-bit PNGs of the same size.
convert -size 16x8 gradient:red-blue -colors 8 -fill '#00ff00' -draw 'point 1,1' -transparent '#00ff00' png8:keyed.png &&
    convert -size 16x8 gradient:white-navy -fill '#00ff00' -draw 'point 2,2' -transparent '#00ff00' \
        -define png:color-type=2 -define png:bit-depth=8 png:colourkey.png &&
    convert -size 16x8 gradient:red-blue -depth 16 png48:deep.png || fail "convert failed"
"$pak" import show/main.pak keyed=keyed.png colourkey=colourkey.png deep=deep.png >/dev/null || fail "import of PNG kinds"
for kind in keyed:RGBA colourkey:RGBA deep:RGB; do
    "$pak" extract show/main.pak "${kind%:*}" "${kind%:*}.out" &&
        file "${kind%:*}.out" | grep -qF "16 x 8, 8-bit/color ${kind#*:}," ||
        fail "${kind%:*}.png was stored as: $(file "${kind%:*}.out")"
done
"$pak" list show/main.pak | grep -qF "$(printf '"fon_tex"\t')" && "$pak" list show/main.pak | grep -q 'image: 256 x 256' ||
    fail "list: $("$pak" list show/main.pak)"
long=$(printf 'n%.0s' $(seq 130))
cp show/main.pak before.pak
if "$pak" import show/main.pak "$long=gold.png" 2> long.err; then fail "import took a 130-byte entry name"; fi
[ "$(wc -l < long.err)" = 1 ] && grep -q '^pak: gold.png: .*127' long.err || fail "import said: $(cat long.err)"
cmp -s before.pak show/main.pak || fail "a refused import changed the package"
pass "import puts images in, resized to powers of two where needed, and refuses names a package cannot hold"

# retexture: the calendar page's plasma in another colour
cp "$AMBER_SAVER_DIR/calendar.pak" calendar.pak
plasma=$("$pak" list calendar.pak | sed -n 's/^"fon"\t.*\(c#Plasma[0-9x]*\).*/\1/p')
[ -n "$plasma" ] || fail "no plasma on the calendar page: $("$pak" list calendar.pak | grep '^"fon"')"
"$pak" retexture calendar.pak fon "$plasma" 'c#Plasma256x256x20x50x100' > retexture.out || fail "retexture failed"
grep -qF 'entry "fon": 1 sub-meshes now use "c#Plasma256x256x20x50x100"' retexture.out || fail "retexture said: $(cat retexture.out)"
"$pak" list calendar.pak | grep '^"fon"' | grep -qF '"fon_tex", "c#Plasma256x256x20x50x100"' || fail "not renamed"
"$pak" check calendar.pak > /dev/null || fail "check refused the retextured page"
cp calendar.pak before.pak
if "$pak" retexture calendar.pak fon "$plasma" 'c#Plasma1x1' 2> retexture.err; then fail "retexture of a missing name succeeded"; fi
grep -qF 'no sub-mesh uses texture' retexture.err || fail "retexture said: $(cat retexture.err)"
if "$pak" retexture calendar.pak fon 'c#Plasma256x256x20x50x100' 'c#Smoke2x2' 2> retexture.err; then
    fail "retexture to an unusable generated texture succeeded"
fi
grep -qF 'generated texture "c#Smoke2x2" cannot be made' retexture.err || fail "retexture said: $(cat retexture.err)"
cmp -s before.pak calendar.pak || fail "a refused retexture changed the package"
pass "retexture gives a model's sub-meshes another texture, and refuses names it cannot use"
