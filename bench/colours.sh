#!/usr/bin/env bash
# Colouring speed on generated HTML pages: the state-only pass and the full pass over a 100 MB,
# 2-million-line page beside loading it with tw-loadsave, and the full pass over a 10 MB page
# beside source-highlight (installed here, for this comparison only).
# Usage: bench/colours.sh [FOLDER] (a tmpfs folder, default /dev/shm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir=${1:-/dev/shm}/tw-colours-$$
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

"$root/build/tw-genhtml" --lines 2000000 "$dir/page100.html"
"$root/build/tw-genhtml" --lines 200000 "$dir/page10.html"
for f in page100 page10; do
  echo "$f.html: $(($(stat -c %s "$dir/$f.html") / 1000000)) MB, $(wc -l <"$dir/$f.html") lines"
done

best() { sort -n | head -n 1; }
time_of() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); echo "$e - $s" | bc; }

loadsave=$(for i in 1 2 3; do time_of "$root/build/tw-loadsave" "$dir/page100.html" "$dir/out.html"; done | best)
rm -f "$dir/out.html"

"$root/build/bench/bench-colours" --benchmark_out="$dir/bench.csv" --benchmark_out_format=csv \
  "$dir/page100.html" "$dir/page10.html"
# real_time in ms of a benchmark row, by name
ms() { awk -F, -v name="\"$1\"" '$1 == name { print $3 }' "$dir/bench.csv"; }
state=$(ms "BM_StatePass/page100MB:0/iterations:3")
full=$(ms "BM_FullPass/page100MB:0/iterations:3")
full10=$(ms "BM_FullPass/page10MB:1/iterations:10")
load=$(ms "BM_Load/page100MB:0/iterations:3")

if ! command -v source-highlight >/dev/null; then
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends \
    source-highlight >/dev/null
fi
highlight() { source-highlight -s html -f html -i "$dir/page10.html" -o "$dir/page10.out.html"; }
sh=$(for i in 1 2 3; do time_of highlight; done | best)
lines10=$(wc -l <"$dir/page10.html")

echo
printf '100 MB page: state-only pass %.0f ms, full pass %.0f ms, buffer load %.0f ms, tw-loadsave %.0f ms\n' \
  "$state" "$full" "$load" "$(echo "$loadsave * 1000" | bc)"
printf 'state-only pass / tw-loadsave: %.2f (target <= 1)\n' "$(echo "$state / ($loadsave * 1000)" | bc -l)"
printf '10 MB page: full pass %.1f ms (%.0f lines/s), source-highlight %.2f s (%.0f lines/s)\n' \
  "$full10" "$(echo "$lines10 / ($full10 / 1000)" | bc -l)" "$sh" "$(echo "$lines10 / $sh" | bc -l)"
printf 'speed-up over source-highlight: %.0f x (target >= 100)\n' "$(echo "$sh * 1000 / $full10" | bc -l)"
