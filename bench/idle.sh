#!/usr/bin/env bash
# Measures how much of a core an idle program uses: build/tagwright runs under an X server of
# its own with a page open and the Explorer showing its home folder, in which a file is
# rewritten 50 times a second; the CPU time of the program (user + system, from /proc/PID/stat)
# over the measured span is reported as a share of one core. Target: under 1%.
# Usage: bench/idle.sh [SECONDS] (default 60)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
span=${1:-60}
dir=$(mktemp -d)
trap 'kill $writer $xvfb 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$dir"' EXIT
mkdir -p "$dir/home/busy" "$dir/config" "$dir/data" "$dir/runtime"
chmod 700 "$dir/runtime"
printf '<html>\n<body>\n<p>Idle.</p>\n</body>\n</html>\n' >"$dir/home/page.html"

( while :; do date +%N >"$dir/home/log.txt"; touch "$dir/home/busy/new"; rm "$dir/home/busy/new"; sleep 0.02; done ) &
writer=$!

display=":$((100 + $$ % 800))"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 2

env -i PATH="$PATH" DISPLAY="$display" HOME="$dir/home" XDG_CONFIG_HOME="$dir/config" \
  XDG_DATA_HOME="$dir/data" XDG_RUNTIME_DIR="$dir/runtime" QT_QPA_PLATFORM=xcb \
  "$root/build/tagwright" "$dir/home/page.html" >/dev/null 2>&1 &
app=$!
sleep 5 # start-up and the first reading of the folders are not idle time

ticks() { awk '{ print $14 + $15 }' "/proc/$app/stat"; }
before=$(ticks)
sleep "$span"
after=$(ticks)
kill "$app"
wait "$app" 2>/dev/null || true
hz=$(getconf CLK_TCK)
printf 'idle for %d s with a busy folder shown: %.2f%% of a core (target < 1%%)\n' "$span" \
  "$(echo "100 * ($after - $before) / $hz / $span" | bc -l)"
