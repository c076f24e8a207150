#!/usr/bin/env bash
# Find in Files over a generated site of some 20,000 HTML pages (about 300 MB, in the six code
# pages, CR LF and LF) beside LC_ALL=C grep -rn and ripgrep on the same tree: a literal that
# a seventh of the pages hold, case-sensitive and not, in one given page; then searches with
# the page of each file detected, and the peak memory. Each figure is the least of five runs
# over a tree already in memory, elapsed and CPU time (for detection: the median and spread of
# eleven); the load is printed with the tree. The
# script installs the Debian package ripgrep for this comparison only (and time and bc where
# they are missing). Usage: bench/findfiles.sh [FOLDER] (a tmpfs folder, default /dev/shm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir=${1:-/dev/shm}/tw-findfiles-$$
mkdir -p "$dir/base" "$dir/site"
trap 'rm -rf "$dir"' EXIT
# ripgrep to compare with, GNU time and bc to measure.
missing=()
command -v rg >/dev/null || missing+=(ripgrep)
[[ -x /usr/bin/time ]] || missing+=(time)
command -v bc >/dev/null || missing+=(bc)
((${#missing[@]} == 0)) || apt-get install -y --no-install-recommends "${missing[@]}" >/dev/null
tw="$root/build/tw-findfiles"

# 240 different pages of 220 to 380 lines; every seventh carries the footer searched for.
for i in $(seq 0 239); do
  page=$((i % 6)) lf=""
  ((i % 2)) && lf=--lf
  out="$dir/base/$i.html"
  "$root/build/tw-genhtml" --lines $((220 + (i * 7) % 160)) --page $((page == 5 ? 0 : page)) $lf "$out"
  if ((page == 5)); then iconv -f cp1251 -t utf-8 "$out" >"$out.u" && mv "$out.u" "$out"; fi
  if ((i % 7 == 0)); then printf '<p class="footer">Copyright 2019 Kelvane</p>\n' >>"$out"; fi
done
python3 - "$dir" <<'PY'
import os, shutil, sys
root = sys.argv[1]
for j in range(20000):
    folder = os.path.join(root, "site", "d%03d" % (j // 100))
    os.makedirs(folder, exist_ok=True)
    shutil.copyfile(os.path.join(root, "base", "%d.html" % (j * 31 % 240)),
                    os.path.join(folder, "p%02d.html" % (j % 100)))
PY
site="$dir/site"
echo "tree: $(find "$site" -type f | wc -l) files, $(du -sm "$site" | cut -f1) MB; load: $(uptime | sed 's/.*load/load/')"

# "WALL CPU": the least elapsed and the least user + system seconds of five runs after one to
# warm up; on a machine others share, the CPU time is the steadier figure.
measure() {
  "$@" >/dev/null
  for i in 1 2 3 4 5; do /usr/bin/time -f '%e %U %S' "$@" 2>&1 >/dev/null | tail -n 1; done |
    awk '{ w = $1; c = $2 + $3; if (NR == 1 || w < bw) bw = w; if (NR == 1 || c < bc) bc = c }
         END { printf "%.3f %.3f\n", bw, bc }'
}
ratio() { echo "$1 / $2" | bc -l; }
show() { printf '%s %.3f s (cpu %.3f s)' "$1" $2 $3; }

pattern='Copyright 2019'
for mode in case nocase; do
  if [[ $mode == case ]]; then twflag=--case; gflag=""; else twflag=""; gflag=-i; fi
  read -r tw_w tw_c < <(measure "$tw" $twflag --page cp1251 "$pattern" "$site")
  read -r t1_w t1_c < <(measure "$tw" $twflag --threads 1 --page cp1251 "$pattern" "$site")
  read -r g_w g_c < <(measure env LC_ALL=C grep -rn $gflag "$pattern" "$site")
  read -r r_w r_c < <(measure rg -n $gflag "$pattern" "$site")
  echo "$mode: $(show tw-findfiles "$tw_w" "$tw_c"), $(show '1 thread' "$t1_w" "$t1_c"), $(show 'grep -rn' "$g_w" "$g_c"), $(show 'rg -n' "$r_w" "$r_c")"
  printf '  tw/grep %.2f (cpu %.2f; target <= 1)   tw/rg %.2f (cpu %.2f; target <= 2)\n' \
    "$(ratio "$tw_w" "$g_w")" "$(ratio "$tw_c" "$g_c")" "$(ratio "$tw_w" "$r_w")" "$(ratio "$tw_c" "$r_c")"
done

# The same lines as grep finds (grep has no page: the pattern is ASCII).
"$tw" --case --page cp1251 "$pattern" "$site" | sed -n 's/^\([^:]*:[0-9]*\):.*/\1/p' | sort >"$dir/tw.lines"
(cd "$site" && LC_ALL=C grep -rn "$pattern" . | sed -n 's/^\.\/\([^:]*:[0-9]*\):.*/\1/p' | sort) >"$dir/grep.lines"
cmp -s "$dir/tw.lines" "$dir/grep.lines" && same=identical || same=DIFFERENT
echo "matches: $(wc -l <"$dir/tw.lines") lines, the same as grep's: $same; $("$tw" --case --page cp1251 "$pattern" "$site" | tail -n 1)"

# Detection: the literal above, held by a seventh of the pages, and a Cyrillic word none holds.
# The two searches take turns, eleven runs each, so that a change of load falls on both; the
# CPU time (user + system) is given as the median and the least and most of the runs.
cpu_runs() { # WORD PAGE...: one line per run, "PAGE CPU" (bash's time counts milliseconds)
  local word=$1 i page TIMEFORMAT='%3U %3S'
  shift
  for i in $(seq 11); do
    for page in "$@"; do
      echo "$page $({ time "$tw" --page "$page" "$word" "$site" >/dev/null 2>&1; } 2>&1)"
    done
  done | awk '{ print $1, $2 + $3 }'
}
spread() { # PAGE: "MEDIAN LEAST MOST" of that page's runs on standard input
  awk -v page="$1" '$1 == page { print $2 }' | sort -n |
    awk '{ v[NR] = $1 } END { m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "%.3f %.3f %.3f\n", m, v[1], v[NR] }'
}
for word in "$pattern" 'Кельвейн'; do
  "$tw" --page auto "$word" "$site" >/dev/null
  runs=$(cpu_runs "$word" cp1251 auto)
  read -r given_m given_lo given_hi < <(spread cp1251 <<<"$runs")
  read -r auto_m auto_lo auto_hi < <(spread auto <<<"$runs")
  printf 'detect "%s": cpu given page %.3f s [%.3f-%.3f], detected per file %.3f s [%.3f-%.3f]: %+.1f%% (medians; target < 10%%)\n' \
    "$word" "$given_m" "$given_lo" "$given_hi" "$auto_m" "$auto_lo" "$auto_hi" \
    "$(echo "($auto_m / $given_m - 1) * 100" | bc -l)"
done
# Memory follows the results, not the tree: a search with few matches and one with many.
for word in "$pattern" 'редактор'; do
  peak=$(/usr/bin/time -f %M "$tw" --page auto "$word" "$site" 2>&1 >/dev/null | tail -n 1)
  echo "peak memory for \"$word\": $((peak / 1024)) MB, $("$tw" --page auto "$word" "$site" | tail -n 1), tree $(du -sm "$site" | cut -f1) MB"
done
