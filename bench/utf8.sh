#!/usr/bin/env bash
# Loads and saves the generated 100 MB, 2-million-line page converted to UTF-8 with
# tw-loadsave --page 5 and with the iconv pair (UTF-8 to CP1251 and back), side by side, and
# reports tw-loadsave's peak memory against the Windows-1251 size of the text.
# Usage: bench/utf8.sh [FOLDER] (a tmpfs folder, default /dev/shm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir=${1:-/dev/shm}/tw-bench-utf8-$$
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

"$root/build/tw-genhtml" "$dir/page1251.html"
iconv -f CP1251 -t UTF-8 "$dir/page1251.html" >"$dir/page.html"
size1251=$(stat -c %s "$dir/page1251.html")
size=$(stat -c %s "$dir/page.html")
echo "file: $((size / 1000000)) MB of UTF-8 ($((size1251 / 1000000)) MB in CP1251), $(wc -l <"$dir/page.html") lines"

best() { sort -n | head -n 1; }
time_of() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); echo "$e - $s" | bc; }

tw=$(for i in 1 2 3; do time_of "$root/build/tw-loadsave" --page 5 "$dir/page.html" "$dir/out.html"; done | best)
iconv_pair() {
  iconv -f UTF-8 -t CP1251 "$1" >"$dir/tmp1251.html"
  iconv -f CP1251 -t UTF-8 "$dir/tmp1251.html" >"$dir/back.html"
}
ic=$(for i in 1 2 3; do time_of iconv_pair "$dir/page.html"; done | best)
cmp -s "$dir/page.html" "$dir/out.html" && echo "round trip: identical" || echo "round trip: DIFFERENT"
"$root/build/tw-loadsave" --page 5 "$dir/page.html" "$dir/out.html"

peak=$(/usr/bin/time -f %M "$root/build/tw-loadsave" --page 5 "$dir/page.html" "$dir/out.html" 2>&1 >/dev/null | tail -n 1)
printf 'tw-loadsave --page 5: %.3f s   iconv pair: %.3f s   ratio: %.2f (target <= 0.5)\n' "$tw" "$ic" "$(echo "$tw / $ic" | bc -l)"
printf 'peak memory: %d MB = %.2f x CP1251 size (target <= 2.5)\n' "$((peak / 1024))" "$(echo "$peak * 1024 / $size1251" | bc -l)"
