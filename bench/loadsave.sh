#!/usr/bin/env bash
# Loads and saves a generated 100 MB, 2-million-line CP866 page with tw-loadsave and with the
# iconv pair (CP866 to CP1251 and back), side by side, and reports tw-loadsave's peak memory.
# Usage: bench/loadsave.sh [FOLDER] (a tmpfs folder, default /dev/shm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir=${1:-/dev/shm}/tw-bench-$$
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

"$root/build/tw-genhtml" --page 1 "$dir/page866.html"
size=$(stat -c %s "$dir/page866.html")
echo "file: $((size / 1000000)) MB, $(wc -l <"$dir/page866.html") lines"

best() { sort -n | head -n 1; }
time_of() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); echo "$e - $s" | bc; }

tw=$(for i in 1 2 3; do time_of "$root/build/tw-loadsave" --page 1 "$dir/page866.html" "$dir/out.html"; done | best)
iconv_pair() {
  iconv -f CP866 -t CP1251 "$1" >"$dir/tmp1251.html"
  iconv -f CP1251 -t CP866 "$dir/tmp1251.html" >"$dir/back866.html"
}
ic=$(for i in 1 2 3; do time_of iconv_pair "$dir/page866.html"; done | best)
cmp -s "$dir/page866.html" "$dir/out.html" && echo "round trip: identical" || echo "round trip: DIFFERENT"

peak=$(/usr/bin/time -f %M "$root/build/tw-loadsave" --page 1 "$dir/page866.html" "$dir/out.html" 2>&1 >/dev/null | tail -n 1)
printf 'tw-loadsave: %.3f s   iconv pair: %.3f s   ratio: %.2f (target <= 0.5)\n' "$tw" "$ic" "$(echo "$tw / $ic" | bc -l)"
printf 'peak memory: %d MB = %.2f x file size (target <= 2.5)\n' "$((peak / 1024))" "$(echo "$peak * 1024 / $size" | bc -l)"
