# debian/watch finds the newest release: uscan (devscripts) reads a page served
# on 127.0.0.1 that lists the 0.2.0 and 0.3.0 archives as GitHub's release
# list does, and reports exactly 0.3.0.
#   watch_file.sh SOURCE_DIR
set -u
fail() { echo "FAIL: $*" >&2; exit 1; }
source=$1
command -v uscan >/dev/null || { echo "SKIP: no uscan (devscripts)"; exit 77; }
work=$(mktemp -d)
trap 'kill "$server" 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/site/repos/lumivera/amber-bell"
python3 - "$work" <<'PY' &
import http.server, socketserver, sys
work = sys.argv[1]
class Quiet(http.server.SimpleHTTPRequestHandler):
    def __init__(self, *a, **k): super().__init__(*a, directory=work + "/site", **k)
    def log_message(self, *a): pass
with socketserver.TCPServer(("127.0.0.1", 0), Quiet) as httpd:
    open(work + "/port.new", "w").write(str(httpd.server_address[1]))
    __import__("os").rename(work + "/port.new", work + "/port")
    httpd.serve_forever()
PY
server=$!
for _ in $(seq 100); do [ -s "$work/port" ] && break; sleep 0.1; done
[ -s "$work/port" ] || fail "the page server did not start"
site=http://127.0.0.1:$(cat "$work/port")
release() {
    printf '{"tag_name": "v%s", "assets": [{"browser_download_url": "https://github.com/lumivera/amber-bell/releases/download/v%s/amber-bell-%s.tar.xz"}, {"browser_download_url": "https://github.com/lumivera/amber-bell/releases/download/v%s/SHA256SUMS"}]}' "$1" "$1" "$1" "$1"
}
echo "[$(release 0.3.0), $(release 0.2.0)]" | sed "s|https://github.com|$site|g" >"$work/site/repos/lumivera/amber-bell/releases"
sed -e "s|https://api.github.com/repos/lumivera/amber-bell/releases?per_page=50|$site/repos/lumivera/amber-bell/releases|" \
    -e "s|https://github.com|$site|" "$source/debian/watch" >"$work/watch"
grep -q "$site/repos" "$work/watch" || fail "the test no longer knows debian/watch's page address"
report=$(cd "$work" && uscan --dehs --report --watchfile "$work/watch" --package amber-bell --upstream-version 0.1.0 2>&1)
found=$(sed -n 's|.*<upstream-version>\(.*\)</upstream-version>.*|\1|p' <<<"$report")
[ "$found" = 0.3.0 ] || fail "uscan found \"$found\", not 0.3.0: $report"
echo "PASS: uscan reports 0.3.0"
