# The real program runs the full show (every overlay on, 1024x768) in real
# time and is sampled every so often: resident memory stays flat after the
# first minutes and the scene keeps its size. The test runs a short span;
# tests/soak/realtime-soak runs it for an hour (or as long as asked).
#   AMBER_SOAK_SECONDS  length of the run (default 120)
#   AMBER_SOAK_SAMPLE   seconds between samples (default 15)
#   AMBER_SOAK_WARMUP   seconds before memory counts as settled (default 75:
#                       the small hearts fill in, the emblem joins at 60 s)
source "$AMBER_TEST_SUPPORT/e2e-lib.sh"

seconds=${AMBER_SOAK_SECONDS:-120}
sample=${AMBER_SOAK_SAMPLE:-15}
warmup=${AMBER_SOAK_WARMUP:-75}

# Frame counter, digital 24-hour clock, large, calendar; row 3 (1024x768).
write_settings 0 3  1 1 0 1 1 1 0
"$saver" 2>"$work/err" & pid=$!
trap 'kill "$pid" 2>/dev/null; cleanup_work' EXIT
wait_for_window "$pid" >/dev/null || fail "no window appeared"
start=$(date +%s)

printf '%8s %10s %7s %7s %13s %10s\n' seconds rss_kib nodes hearts package-uses frames
settled_rss="" most_rss=0 least_nodes="" most_nodes=0 last_frames=0
next=$start
while :; do
    next=$(( next + sample ))
    poll "$(( sample + e2e_deadline ))" eval '[ "$(date +%s)" -ge "$next" ]'
    kill -0 "$pid" 2>/dev/null || fail "the show ended by itself: $(tail -n 3 "$work/err")"
    read_status "$pid" "$work/err" || fail "no status line from the show"
    rss=$(rss_kb "$pid")
    elapsed=$(( $(date +%s) - start ))
    nodes=$(status_field nodes) hearts=$(status_field hearts) frames=$(status_field frames)
    printf '%8d %10d %7d %7d %13d %10d\n' "$elapsed" "$rss" "$nodes" "$hearts" \
        "$(status_field package-uses)" "$frames"
    [ "$frames" -gt "$last_frames" ] || fail "no frames drawn since the last sample"
    last_frames=$frames
    if [ "$elapsed" -ge "$warmup" ]; then
        [ -n "$settled_rss" ] || settled_rss=$rss
        [ "$rss" -gt "$most_rss" ] && most_rss=$rss
        [ -z "$least_nodes" ] || [ "$nodes" -lt "$least_nodes" ] && least_nodes=$nodes
        [ "$nodes" -gt "$most_nodes" ] && most_nodes=$nodes
        # Small hearts live 16 s and come every 30 ms: about 533 alive.
        [ "$hearts" -ge 400 ] && [ "$hearts" -le 600 ] || fail "$hearts small hearts at $elapsed s"
    fi
    [ "$elapsed" -ge "$seconds" ] && break
done

[ -n "$settled_rss" ] || fail "the run ended before its warm-up ($warmup s)"
# Flat: at most 4 MiB or 5 % above the first settled sample, whichever is more.
allowed=$(( settled_rss / 20 > 4096 ? settled_rss / 20 : 4096 ))
[ $(( most_rss - settled_rss )) -le "$allowed" ] ||
    fail "resident memory grew from $settled_rss KiB to $most_rss KiB"
[ $(( most_nodes - least_nodes )) -le $(( least_nodes / 5 )) ] ||
    fail "the scene swung from $least_nodes to $most_nodes nodes"
kill -TERM "$pid"
wait_exit "$pid"
[ "$exit_code" = 0 ] || fail "SIGTERM after the soak gave exit $exit_code"
pass "$seconds s of the full show: memory flat at $settled_rss..$most_rss KiB, $least_nodes..$most_nodes nodes"
