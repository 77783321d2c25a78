# debian/watch finds the newest release: uscan (devscripts) reads a page served
# on 127.0.0.1 that lists the 0.2.0 and 0.3.0 archives, and reports exactly 0.3.0.
#   watch_file.sh SOURCE_DIR
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
command -v uscan >/dev/null || { echo "SKIP: no uscan (devscripts)"; exit 77; }
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
mkdir "$work/site" && mkfifo "$work/port"
# The server tells its port through the fifo once it listens.
python3 -c 'import http.server as h, functools, sys
s = h.HTTPServer(("127.0.0.1", 0), functools.partial(h.SimpleHTTPRequestHandler, directory=sys.argv[1]))
open(sys.argv[2], "w").write(f"{s.server_port}\n"); s.serve_forever()' "$work/site" "$work/port" 2>/dev/null &
server=$!
read -r -t 20 port <"$work/port" || fail "the page server did not start"
site=http://127.0.0.1:$port
for v in 0.3.0 0.2.0; do echo "\"$site/lumivera/amber-bell/releases/download/v$v/amber-bell-$v.tar.xz\""; done >"$work/site/releases"
sed -e "s|https://api.github.com/repos/lumivera/amber-bell/releases?per_page=50|$site/releases|" \
    -e "s|https://github.com|$site|" "$1/debian/watch" >"$work/watch"
grep -q "$site/releases" "$work/watch" || fail "the test no longer knows debian/watch's page address"
report=$(cd "$work" && uscan --dehs --report --watchfile "$work/watch" --package amber-bell --upstream-version 0.1.0 2>&1)
found=$(sed -n 's|.*<upstream-version>\(.*\)</upstream-version>.*|\1|p' <<<"$report")
[ "$found" = 0.3.0 ] || fail "uscan found \"$found\", not 0.3.0: $report"
echo "PASS: uscan reports 0.3.0"
