#!/usr/bin/env bash
# Prints the generated 10 MB page (200,000 lines) and the 100 MB page (2,000,000 lines) to PDF
# with tw-print and reports the time and pages of each; the cost must grow linearly (the large
# page at most 11 times the small one). Times are the CPU time of tw-print (user + system),
# which other work on the machine does not stretch.
# Usage: bench/print.sh [FOLDER] (a tmpfs folder, default /dev/shm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir=${1:-/dev/shm}/tw-print-$$
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

cpu_of() {
  /usr/bin/time -f '%U %S' -o "$dir/time.txt" "$@" >"$dir/out.txt" 2>/dev/null
  read -r user system <"$dir/time.txt"
  echo "$user + $system" | bc
}

declare -A seconds
for lines in 200000 2000000; do
  "$root/build/tw-genhtml" --lines "$lines" "$dir/page.html"
  size=$(stat -c %s "$dir/page.html")
  seconds[$lines]=$(cpu_of "$root/build/tw-print" "$dir/page.html" "$dir/page.pdf")
  printf '%8d lines, %4d MB: %7.2f s CPU, %s, PDF %d MB\n' "$lines" "$((size / 1000000))" \
    "${seconds[$lines]}" "$(cat "$dir/out.txt")" "$(($(stat -c %s "$dir/page.pdf") / 1000000))"
  rm -f "$dir/page.html" "$dir/page.pdf"
done
printf 'ratio 100 MB / 10 MB: %.2f (target <= 11)\n' "$(echo "${seconds[2000000]} / ${seconds[200000]}" | bc -l)"
