#!/usr/bin/env bash
# Replace All and Find over the generated 100 MB page, side by side with sed and grep on the
# same file: Replace All of "<td" by "<TD" (tw-replace vs sed), the regular-expression
# variant (vs sed -E), and Find of a word that occurs only on the last line (tw-find's
# search time vs grep -c), case-sensitive and not; then the undo history's size and the time
# to undo the Replace All. Each figure is the least of three runs.
# Usage: bench/search.sh [FOLDER] (a tmpfs folder, default /dev/shm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir=${1:-/dev/shm}/tw-bench-$$
mkdir -p "$dir"
trap 'rm -rf "$dir"' EXIT

page="$dir/page.html"
"$root/build/tw-genhtml" "$page"
printf '<p>Quinquagesimal end</p>\r\n' >>"$page"
echo "file: $(($(stat -c %s "$page") / 1000000)) MB, $(wc -l <"$page") lines," \
  "$(grep -o '<td' "$page" | wc -l) times <td"

best() { sort -n | head -n 1; }
time_of() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); echo "$e - $s" | bc; }
least() { for i in 1 2 3; do time_of "$@"; done | best; }
ratio() { echo "$1 / $2" | bc -l; }

sed_plain() { sed 's/<td/<TD/g' "$page" >"$dir/sed.html"; }
sed_regex() { sed -E 's/<(\/?)td([ >])/<\1TD\2/g' "$page" >"$dir/sedE.html"; }
tw=$(least "$root/build/tw-replace" --case '<td' '<TD' "$page" "$dir/tw.html")
sd=$(least sed_plain)
cmp -s "$dir/sed.html" "$dir/tw.html" && same=identical || same=DIFFERENT
printf 'Replace All <td: tw-replace %.3f s   sed %.3f s   ratio %.2f (target <= 3), output %s\n' \
  "$tw" "$sd" "$(ratio "$tw" "$sd")" "$same"
tw=$(least "$root/build/tw-replace" --case --regex '\<(/?)td([ >])' '<\1TD\2' "$page" "$dir/twE.html")
sd=$(least sed_regex)
cmp -s "$dir/sedE.html" "$dir/twE.html" && same=identical || same=DIFFERENT
printf 'Replace All regex: tw-replace %.3f s   sed -E %.3f s   ratio %.2f (target <= 3), output %s\n' \
  "$tw" "$sd" "$(ratio "$tw" "$sd")" "$same"

search_s() {
  for i in 1 2 3; do "$root/build/tw-find" --bench "$@" "$page" | sed -n 's/search_ms=//p'; done \
    | best | awk '{ print $1 / 1000 }'
}
for mode in case nocase; do
  if [ $mode = case ]; then tf=$(search_s --case Quinquagesimal); gr=$(least grep -c Quinquagesimal "$page")
  else tf=$(search_s quinquagesimal); gr=$(least grep -ci quinquagesimal "$page"); fi
  printf 'Find last-line word (%s): tw-find search %.3f s   grep -c %.3f s   ratio %.2f (target <= 2)\n' \
    "$mode" "$tf" "$gr" "$(ratio "$tf" "$gr")"
done

"$root/build/tw-replace" --case --bench '<td' '<TD' "$page" "$dir/tw.html" | tail -n 1 |
  awk -v size="$(stat -c %s "$page")" '{
    split($1, r, "="); split($2, u, "="); split($3, b, "=");
    printf "undo of Replace All <td: history %.1f MB, undo %.3f s vs replace %.3f s\n",
      b[2] / 1e6, u[2] / 1000, r[2] / 1000 }'
