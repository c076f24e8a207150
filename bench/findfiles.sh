#!/usr/bin/env bash
# Find in Files over a generated site of some 20,000 HTML pages (about 300 MB, in the six code
# pages, CR LF and LF) beside LC_ALL=C grep -rn and ripgrep on the same tree: a literal that
# a tenth of the pages hold, case-sensitive and not, in one given page; then the same search
# with the page of each file detected, and the peak memory. Each time is the least of five
# runs over a tree already in memory. The script installs the Debian package ripgrep for this
# comparison only. Usage: bench/findfiles.sh [FOLDER] (a tmpfs folder, default /dev/shm)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
dir=${1:-/dev/shm}/tw-findfiles-$$
mkdir -p "$dir/base" "$dir/site"
trap 'rm -rf "$dir"' EXIT
command -v rg >/dev/null || apt-get install -y --no-install-recommends ripgrep >/dev/null
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

best() { sort -n | head -n 1; }
time_of() { local s e; s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N); echo "$e - $s" | bc; }
least() { "$@" >/dev/null; for i in 1 2 3 4 5; do time_of "$@"; done | best; }
ratio() { echo "$1 / $2" | bc -l; }
grep_rn() { LC_ALL=C grep -rn "$@" "$site"; }
rg_n() { rg -n "$@" "$site"; }

pattern='Copyright 2019'
for mode in case nocase; do
  if [[ $mode == case ]]; then twflag=--case; gflag=""; else twflag=""; gflag=-i; fi
  t=$(least "$tw" $twflag --page cp1251 "$pattern" "$site")
  t1=$(least "$tw" $twflag --threads 1 --page cp1251 "$pattern" "$site")
  g=$(least grep_rn $gflag "$pattern")
  r=$(least rg_n $gflag "$pattern")
  printf '%-7s tw-findfiles %.3f s (1 thread %.3f s)   grep -rn %.3f s   rg -n %.3f s   tw/grep %.2f (target <= 1)   tw/rg %.2f (target <= 2)\n' \
    "$mode" "$t" "$t1" "$g" "$r" "$(ratio "$t" "$g")" "$(ratio "$t" "$r")"
done

# The same lines as grep finds (grep has no page: the pattern is ASCII).
"$tw" --case --page cp1251 "$pattern" "$site" | sed -n 's/^\([^:]*:[0-9]*\):.*/\1/p' | sort >"$dir/tw.lines"
(cd "$site" && LC_ALL=C grep -rn "$pattern" . | sed -n 's/^\.\/\([^:]*:[0-9]*\):.*/\1/p' | sort) >"$dir/grep.lines"
cmp -s "$dir/tw.lines" "$dir/grep.lines" && same=identical || same=DIFFERENT
echo "matches: $(wc -l <"$dir/tw.lines") lines, the same as grep's: $same; $("$tw" --case --page cp1251 "$pattern" "$site" | tail -n 1)"

given=$(least "$tw" --page cp1251 "$pattern" "$site")
auto=$(least "$tw" --page auto "$pattern" "$site")
printf 'detect  given page %.3f s   detected per file %.3f s   cost %+.1f%% (target < 10%%)\n' \
  "$given" "$auto" "$(echo "($auto / $given - 1) * 100" | bc -l)"
peak=$(/usr/bin/time -f %M "$tw" --page auto "$pattern" "$site" 2>&1 >/dev/null | tail -n 1)
echo "peak memory of tw-findfiles: $((peak / 1024)) MB for a $(du -sm "$site" | cut -f1) MB tree"
